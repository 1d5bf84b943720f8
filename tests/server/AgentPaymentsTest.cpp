// Agent payments through the stand-in card issuer: setup through the one-time onboarding page,
// the spending policy, and top-ups that fund once per key and settle by the service clock.
#include <gtest/gtest.h>

#include <latch>
#include <regex>
#include <string>
#include <thread>

#include "AccountSteps.h"
#include "AgentSteps.h"
#include "HttpTestClient.h"
#include "OndiServerProcess.h"
#include "PaymentSteps.h"

namespace {

using Json = nlohmann::json;

constexpr char kKey[] = "0f8fad5b-d9cb-469f-a165-70867728950e";
constexpr char kOtherKey[] = "7c9e6679-7425-40de-944b-e07fc1f90ae7";

void expectError(const HttpReply& reply, unsigned status, const std::string& error) {
  EXPECT_EQ(reply.status, status) << reply.body;
  EXPECT_EQ(reply.json(), Json({{"ok", false}, {"error", error}}));
}

class AgentPaymentsTest : public ::testing::Test {
 protected:
  AgentPaymentsTest() {
    const HttpReply signedUp = signUp(client_, "ada@example.com");
    EXPECT_EQ(signedUp.status, 200u);
    token_ = sessionTokenSetBy(signedUp).value_or("");
  }

  void becomeReady() {
    ASSERT_EQ(completeOnboarding(browser_, onboardingPath(client_, server_.baseURL())).status,
              200u);
  }

  OndiServerProcess server_{{.extraArguments = {"--test-routes"}}};
  HttpTestClient client_{server_.baseURL(), HttpTestClient::Cookies::keep};
  // The user's own browser, which opens the onboarding page without the app's session.
  const HttpTestClient browser_{server_.baseURL(), HttpTestClient::Cookies::ignore,
                                HttpTestClient::Caller::page};
  std::string token_;
};

TEST_F(AgentPaymentsTest, SetupGoesThroughAOneTimeOnboardingPageToAVirtualCard) {
  const HttpTestClient stranger(server_.baseURL());
  expectError(stranger.send("GET", "/api/agent-payments/status"), 401,
              "Sign in to Ondi to use Agent Payment.");
  EXPECT_EQ(stranger.send("POST", "/api/agent-payments/setup", "{}").status, 401u);
  EXPECT_EQ(putPolicy(stranger, initialPolicy()).status, 401u);
  EXPECT_EQ(addTopup(stranger, 1000, kKey).status, 401u);

  EXPECT_EQ(paymentState(client_), (Json{{"provider", "stripe_issuing"},
                                         {"setupState", "setup_required"},
                                         {"availableBalanceCents", 0},
                                         {"pendingBalanceCents", 0},
                                         {"currency", "usd"},
                                         {"policy", initialPolicy()},
                                         {"recentTopups", Json::array()},
                                         {"missingConfiguration", Json::array()}}));

  // Asking again replaces the link.
  const std::string replaced = onboardingPath(client_, server_.baseURL());
  const std::string path = onboardingPath(client_, server_.baseURL());
  EXPECT_TRUE(path.starts_with("/agent-payments/onboarding?link=")) << path;
  EXPECT_EQ(paymentState(client_)["setupState"], "onboarding_required");
  EXPECT_EQ(browser_.send("GET", replaced).status, 404u);
  const HttpReply page = browser_.send("GET", path);
  ASSERT_EQ(page.status, 200u);
  EXPECT_NE(page.body.find("Stripe Issuing onboarding (local stand-in)"), std::string::npos);
  EXPECT_NE(page.body.find("ada@example.com"), std::string::npos);

  // Another site cannot complete it through the user's browser.
  const std::string link = path.substr(path.find('=') + 1);
  EXPECT_EQ(browser_
                .send("POST", "/api/agent-payments/onboarding", "link=" + link,
                      {{"Content-Type", "application/x-www-form-urlencoded"},
                       {"Origin", "http://attacker.example"}})
                .status,
            403u);
  EXPECT_EQ(paymentState(client_)["setupState"], "onboarding_required");

  const HttpReply done = completeOnboarding(browser_, path);
  ASSERT_EQ(done.status, 200u);
  EXPECT_NE(done.body.find("Stripe Issuing is ready"), std::string::npos);
  const Json state = paymentState(client_);
  EXPECT_EQ(state["setupState"], "ready");
  EXPECT_TRUE(std::regex_match(state["cardLast4"].get<std::string>(), std::regex(R"(\d{4})")));
  EXPECT_NE(done.body.find(state["cardLast4"].get<std::string>()), std::string::npos);

  EXPECT_EQ(completeOnboarding(browser_, path).status, 404u);
  EXPECT_EQ(browser_.send("GET", path).status, 404u);
  EXPECT_EQ(client_.send("POST", "/api/agent-payments/setup", "{}").json(),
            (Json{{"ok", true}, {"setupState", "ready"}}));
  EXPECT_EQ(paymentState(client_)["cardLast4"], state["cardLast4"]);
}

TEST_F(AgentPaymentsTest, AnExpiredOnboardingLinkChangesNothing) {
  const std::string path = onboardingPath(client_, server_.baseURL());
  advanceClock(client_, 30 * 60);
  EXPECT_EQ(browser_.send("GET", path).status, 410u);
  const HttpReply late = completeOnboarding(browser_, path);
  EXPECT_EQ(late.status, 410u);
  EXPECT_NE(late.body.find("This onboarding link has expired."), std::string::npos);
  EXPECT_EQ(paymentState(client_)["setupState"], "onboarding_required");
  EXPECT_FALSE(paymentState(client_).contains("cardLast4"));
}

TEST_F(AgentPaymentsTest, PoliciesAreCheckedByTheScreensRulesThenStoredWithAVersion) {
  Json policy = initialPolicy();
  policy["monthlyLimitCents"] = 100;
  policy["perPurchaseLimitCents"] = 200;
  policy["approvalThresholdCents"] = 300;
  expectError(putPolicy(client_, policy), 400,
              "Per-purchase limit cannot exceed the monthly limit. Approval threshold must be "
              "between zero and the per-purchase limit.");
  policy = initialPolicy();
  policy["agentId"] = " \n ";
  policy["monthlyLimitCents"] = 0;
  policy["perPurchaseLimitCents"] = 0;
  policy["approvalThresholdCents"] = 0;
  policy["allowedCategories"] = Json::array();
  expectError(putPolicy(client_, policy), 400,
              "Choose an agent for this budget. Monthly limit must be greater than zero. "
              "Per-purchase limit must be greater than zero. Allow at least one purchase "
              "category.");

  // The agent is named by a short id, never by text of any length.
  for (const std::string& agent : {std::string(100000, 'a'), std::string(65, 'a'),
                                   std::string("ads; drop"), std::string("\xF0\x9F\x98\x80")}) {
    policy = initialPolicy();
    policy["agentId"] = agent;
    expectError(putPolicy(client_, policy), 400,
                "Name the agent by its id: up to 64 letters, digits, \"-\" and \"_\".");
  }

  Json unknownCategory = initialPolicy();
  unknownCategory["allowedCategories"] = {"software", "groceries"};
  expectError(putPolicy(client_, unknownCategory), 400,
              "Each allowed category must be one of advertising, software, supplies, travel and "
              "services.");
  Json missingKey = initialPolicy();
  missingKey.erase("isPaused");
  EXPECT_EQ(putPolicy(client_, missingKey).status, 400u);
  EXPECT_EQ(client_.send("PUT", "/api/agent-payments/policy", "[1]").status, 400u);
  EXPECT_EQ(paymentState(client_)["policy"], initialPolicy());

  Json valid = initialPolicy();
  valid["agentId"] = "  ads \n";
  valid["isPaused"] = false;
  valid["allowedCategories"] = {"travel", "travel"};
  Json stored = valid;
  stored["agentId"] = "ads";
  stored["allowedCategories"] = {"travel"};
  EXPECT_EQ(putPolicy(client_, valid).json(),
            (Json{{"ok", true}, {"policy", stored}, {"version", 1}}));
  EXPECT_EQ(putPolicy(client_, valid).json()["version"], 2);
  EXPECT_EQ(paymentState(client_)["policy"], stored);
  EXPECT_EQ(paymentState(client_)["setupState"], "setup_required");

  valid["agentId"] = "restaurants-guest-care_" + std::string(41, '9');
  EXPECT_EQ(putPolicy(client_, valid).json()["policy"]["agentId"], valid["agentId"]);
}

TEST_F(AgentPaymentsTest, TopupsArePendingUntilTheirSettlingTimeHasPassed) {
  expectError(addTopup(client_, 25000, kKey), 409,
              "Finish Stripe onboarding before adding credit.");
  becomeReady();
  for (const std::int64_t amount : {999, 1000001}) {
    expectError(addTopup(client_, amount, kKey), 400,
                "A top-up must be a whole number of cents from 1000 to 1000000 ($10 to "
                "$10,000).");
  }
  for (const char* key : {"0F8FAD5B-D9CB-469F-A165-70867728950E", "not-a-key", ""}) {
    EXPECT_EQ(addTopup(client_, 25000, key).status, 400u) << key;
  }

  const HttpReply added = addTopup(client_, 25000, kKey);
  ASSERT_EQ(added.status, 200u) << added.body;
  const Json topup = added.json()["topup"];
  EXPECT_EQ(topup["amountCents"], 25000);
  EXPECT_EQ(topup["currency"], "usd");
  EXPECT_EQ(topup["status"], "pending");
  Json state = paymentState(client_);
  EXPECT_EQ(state["pendingBalanceCents"], 25000);
  EXPECT_EQ(state["availableBalanceCents"], 0);
  const Json listed = state["recentTopups"][0];
  EXPECT_EQ(listed["status"], "pending");
  EXPECT_EQ(listed["expectedAvailabilityAt"].get<std::int64_t>(),
            listed["createdAt"].get<std::int64_t>() + 20);
  EXPECT_EQ(listed["expectedAvailabilityAt"], topup["expectedAvailabilityAt"]);

  advanceClock(client_, 20);
  state = paymentState(client_);
  EXPECT_EQ(state["pendingBalanceCents"], 0);
  EXPECT_EQ(state["availableBalanceCents"], 25000);
  EXPECT_EQ(state["recentTopups"][0]["status"], "succeeded");
}

TEST_F(AgentPaymentsTest, TwoConcurrentTopupsWithOneKeyFundOnce) {
  becomeReady();
  std::latch start(2);
  HttpReply replies[2];
  auto send = [&](HttpReply& reply) {
    const HttpTestClient app(server_.baseURL());
    start.arrive_and_wait();
    reply = app.send("POST", "/api/agent-payments/topups",
                     Json({{"amountCents", 50000}, {"idempotencyKey", kKey}}).dump(),
                     sessionHeader(token_));
  };
  std::thread first(send, std::ref(replies[0]));
  std::thread second(send, std::ref(replies[1]));
  first.join();
  second.join();

  ASSERT_EQ(replies[0].status, 200u) << replies[0].body;
  ASSERT_EQ(replies[1].status, 200u) << replies[1].body;
  EXPECT_EQ(replies[0].json(), replies[1].json());
  EXPECT_EQ(paymentState(client_)["pendingBalanceCents"], 50000);
  EXPECT_EQ(paymentState(client_)["recentTopups"].size(), 1u);

  expectError(addTopup(client_, 60000, kKey), 409,
              "This idempotency key already funded a top-up of $500; use a new key for a "
              "different amount.");
  // A retry after the top-up settled says so, and funds nothing more.
  advanceClock(client_, 20);
  EXPECT_EQ(
      addTopup(client_, 50000, kKey).json(),
      (Json{{"ok", true},
            {"topup", {{"amountCents", 50000}, {"currency", "usd"}, {"status", "succeeded"}}}}));
  EXPECT_EQ(paymentState(client_)["availableBalanceCents"], 50000);
}

TEST_F(AgentPaymentsTest, TheFundingBankCapsADayAndADeclinedKeyMayFundLater) {
  becomeReady();
  ASSERT_EQ(addTopup(client_, 1000000, kKey).status, 200u);
  expectError(addTopup(client_, 1000, kOtherKey), 402,
              "The funding bank declined this top-up: it would take today's funding past the "
              "$10,000 daily limit. Add less, or add more after midnight UTC.");
  EXPECT_EQ(paymentState(client_)["recentTopups"].size(), 1u);

  advanceClock(client_, 24 * 60 * 60);
  const HttpReply retried = addTopup(client_, 1000, kOtherKey);
  EXPECT_EQ(retried.status, 200u) << retried.body;
  const Json state = paymentState(client_);
  EXPECT_EQ(state["availableBalanceCents"], 1000000);
  EXPECT_EQ(state["pendingBalanceCents"], 1000);
}

TEST(AgentPaymentsUnavailableTest, EveryPaymentAddressAnswersNotFound) {
  const OndiServerProcess server({.extraArguments = {"--agent-payments", "unavailable"}});
  const HttpTestClient client(server.baseURL(), HttpTestClient::Cookies::keep);
  ASSERT_EQ(signUp(client, "ada@example.com").status, 200u);
  EXPECT_EQ(client.send("GET", "/api/agent-payments/status").status, 404u);
  EXPECT_EQ(client.send("POST", "/api/agent-payments/setup", "{}").status, 404u);
  EXPECT_EQ(putPolicy(client, initialPolicy()).status, 404u);
  EXPECT_EQ(addTopup(client, 1000, kKey).status, 404u);
  const std::string answer =
      sendPrompt(client, "buy software for $40").json()["state"]["messages"].back()["content"];
  EXPECT_NE(answer.find("Agent payments are not offered by this server, so nothing was bought."),
            std::string::npos);
}

}  // namespace
