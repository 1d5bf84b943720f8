#include "PaymentSteps.h"

#include <stdexcept>

nlohmann::json paymentState(const HttpTestClient& client) {
  const HttpReply reply = client.send("GET", "/api/agent-payments/status");
  if (reply.status != 200) throw std::runtime_error("The status did not load: " + reply.body);
  return reply.json().at("state");
}

std::string onboardingPath(const HttpTestClient& client, std::string_view baseURL) {
  const HttpReply reply = client.send("POST", "/api/agent-payments/setup", "{}");
  if (reply.status != 200) throw std::runtime_error("Setup did not start: " + reply.body);
  const std::string url = reply.json().at("url");
  if (!url.starts_with(baseURL)) throw std::runtime_error("Setup opened elsewhere: " + url);
  return url.substr(baseURL.size());
}

HttpReply completeOnboarding(const HttpTestClient& browser, std::string_view path) {
  const std::string link(path.substr(path.find("link=") + 5));
  return browser.send("POST", "/api/agent-payments/onboarding", "link=" + link,
                      {{"Content-Type", "application/x-www-form-urlencoded"}});
}

HttpReply putPolicy(const HttpTestClient& client, const nlohmann::json& policy) {
  return client.send("PUT", "/api/agent-payments/policy",
                     nlohmann::json({{"policy", policy}}).dump());
}

HttpReply addTopup(const HttpTestClient& client, std::int64_t amountCents, std::string_view key) {
  return client.send(
      "POST", "/api/agent-payments/topups",
      nlohmann::json({{"amountCents", amountCents}, {"idempotencyKey", key}}).dump());
}

nlohmann::json initialPolicy() {
  return {{"agentId", "main"},
          {"monthlyLimitCents", 50000},
          {"perPurchaseLimitCents", 10000},
          {"approvalThresholdCents", 5000},
          {"allowedCategories", {"advertising", "software", "supplies"}},
          {"allowsAutomaticPurchases", false},
          {"isPaused", true}};
}
