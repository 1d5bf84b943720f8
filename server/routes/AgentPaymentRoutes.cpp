#include "routes/AgentPaymentRoutes.h"

#include <algorithm>
#include <string>

#include "accounts/AccountServices.h"
#include "auth/SignedInAccount.h"
#include "http/JsonBody.h"
#include "http/Router.h"
#include "payments/Money.h"
#include "payments/OnboardingPages.h"
#include "payments/PaymentServices.h"

namespace ondi::server {
namespace {

using SetupState = PaymentAccountStore::SetupState;
using LinkProblem = PaymentAccountStore::LinkProblem;
using Outcome = TopupLedger::Outcome;

constexpr std::string_view kSignIn = "Sign in to Ondi to use Agent Payment.";
constexpr std::string_view kNotJson = "The request body must be a JSON object.";
constexpr std::string_view kOnboardingPath = "/agent-payments/onboarding";
constexpr std::int64_t kMinTopupCents = 1000;
constexpr std::int64_t kMaxTopupCents = 1000000;
constexpr int kRecentTopups = 5;

nlohmann::json topupJson(const TopupLedger::Topup& topup) {
  nlohmann::json json{
      {"amountCents", topup.amountCents}, {"status", topup.status}, {"createdAt", topup.createdAt}};
  if (topup.status == "pending") json["expectedAvailabilityAt"] = topup.availableAt;
  return json;
}

Response status(AccountServices& services, PaymentServices& payments, const Request& request) {
  const auto account = signedInAccount(services, request);
  if (!account) return Response::error(401, kSignIn);
  const auto record = payments.accounts.find(account->id);
  const PaymentBalances balances = currentBalances(payments, account->id);
  nlohmann::json topups = nlohmann::json::array();
  for (const auto& topup : payments.topups.recent(account->id, kRecentTopups)) {
    topups.push_back(topupJson(topup));
  }
  nlohmann::json state{{"provider", "stripe_issuing"},
                       {"setupState", setupStateName(record.setupState)},
                       {"availableBalanceCents", balances.availableCents},
                       {"pendingBalanceCents", balances.pendingCents},
                       {"currency", "usd"},
                       {"policy", policyJson(record.policy)},
                       {"recentTopups", std::move(topups)},
                       {"missingConfiguration", nlohmann::json::array()}};
  if (record.cardLast4) state["cardLast4"] = *record.cardLast4;
  return Response::json(200, {{"ok", true}, {"state", std::move(state)}});
}

Response setup(AccountServices& services, PaymentServices& payments, const Request& request) {
  const auto account = signedInAccount(services, request);
  if (!account) return Response::error(401, kSignIn);
  if (payments.accounts.find(account->id).setupState == SetupState::ready) {
    return Response::json(200, {{"ok", true}, {"setupState", "ready"}});
  }
  const std::string link = payments.accounts.startOnboarding(account->id);
  return Response::json(
      200, {{"ok", true},
            {"setupState", "onboarding_required"},
            {"url", payments.serviceOrigin + std::string(kOnboardingPath) + "?link=" + link}});
}

Response savePolicy(AccountServices& services, PaymentServices& payments, const Request& request) {
  const auto account = signedInAccount(services, request);
  if (!account) return Response::error(401, kSignIn);
  const auto body = jsonObjectBody(request);
  if (!body) return Response::error(400, kNotJson);
  const auto policy = readPolicy(body->value("policy", nlohmann::json()));
  if (!policy) return Response::error(400, policy.error());
  const auto issues = policy->validationIssues();
  if (!issues.empty()) {
    std::string message;
    for (const std::string& issue : issues) message += (message.empty() ? "" : " ") + issue;
    return Response::error(400, message);
  }
  const std::int64_t version = payments.accounts.savePolicy(account->id, *policy);
  return Response::json(200, {{"ok", true},
                              {"policy", policyJson(payments.accounts.find(account->id).policy)},
                              {"version", version}});
}

bool isLowerCaseUuid(std::string_view key) {
  if (key.size() != 36) return false;
  for (std::size_t i = 0; i < key.size(); ++i) {
    const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
    const char c = key[i];
    if (dash ? c != '-' : !((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  }
  return true;
}

Response fundingAnswer(const TopupLedger::Funding& funding) {
  switch (funding.outcome) {
    case Outcome::funded:
    case Outcome::replayed: {
      nlohmann::json topup = {{"amountCents", funding.topup.amountCents},
                              {"currency", "usd"},
                              {"status", funding.topup.status}};
      if (funding.topup.status == "pending") {
        topup["expectedAvailabilityAt"] = funding.topup.availableAt;
      }
      return Response::json(200, {{"ok", true}, {"topup", std::move(topup)}});
    }
    case Outcome::keyReused:
      return Response::error(409, "This idempotency key already funded a top-up of " +
                                      dollarsText(funding.topup.amountCents) +
                                      "; use a new key for a different amount.");
    case Outcome::declined:
      break;
  }
  return Response::error(402,
                         "The funding bank declined this top-up: it would take today's funding "
                         "past the " +
                             dollarsText(TopupLedger::kDailyFundingCapCents) +
                             " daily limit. Add less, or add more after midnight UTC.");
}

Response addTopup(AccountServices& services, PaymentServices& payments, const Request& request) {
  const auto account = signedInAccount(services, request);
  if (!account) return Response::error(401, kSignIn);
  const auto body = jsonObjectBody(request);
  if (!body) return Response::error(400, kNotJson);
  if (payments.accounts.find(account->id).setupState != SetupState::ready) {
    return Response::error(409, "Finish Stripe onboarding before adding credit.");
  }
  const auto amount = body->find("amountCents");
  if (amount == body->end() || !amount->is_number_integer() ||
      amount->get<std::int64_t>() < kMinTopupCents ||
      amount->get<std::int64_t>() > kMaxTopupCents) {
    return Response::error(400,
                           "A top-up must be a whole number of cents from 1000 to 1000000 "
                           "($10 to $10,000).");
  }
  const auto key = stringMember(*body, "idempotencyKey");
  if (!key || !isLowerCaseUuid(*key)) {
    return Response::error(400,
                           "The idempotency key must be a lower-case UUID, such as "
                           "\"0f8fad5b-d9cb-469f-a165-70867728950e\".");
  }
  return fundingAnswer(payments.topups.fund(account->id, *key, amount->get<std::int64_t>()));
}

Response linkProblem(LinkProblem problem) {
  if (problem == LinkProblem::expired) {
    return Response::page(410, onboardingLinkProblemPage("This onboarding link has expired."));
  }
  return Response::page(
      404, onboardingLinkProblemPage("This onboarding link is unknown or was already used."));
}

Response onboardingPageFor(AccountServices& services, PaymentServices& payments,
                           const Request& request) {
  const auto accountId =
      payments.accounts.onboardingAccount(request.queryItem("link").value_or(""));
  if (!accountId) return linkProblem(accountId.error());
  const auto account = services.accounts.findById(*accountId);
  return Response::page(
      200, onboardingPage(account ? account->email : "", request.queryItem("link").value_or("")));
}

Response completeOnboarding(PaymentServices& payments, const Request& request) {
  const auto link = request.formItems.find("link");
  const auto accountId =
      payments.accounts.completeOnboarding(link != request.formItems.end() ? link->second : "");
  if (!accountId) return linkProblem(accountId.error());
  return Response::page(
      200, onboardingDonePage(payments.accounts.find(*accountId).cardLast4.value_or("")));
}

}  // namespace

void addAgentPaymentRoutes(Router& router, AccountServices& services, PaymentServices& payments) {
  if (!payments.available) return;
  router.add("GET", "/api/agent-payments/status", [&services, &payments](const Request& request) {
    return status(services, payments, request);
  });
  router.add("POST", "/api/agent-payments/setup", [&services, &payments](const Request& request) {
    return setup(services, payments, request);
  });
  router.add("PUT", "/api/agent-payments/policy", [&services, &payments](const Request& request) {
    return savePolicy(services, payments, request);
  });
  router.add("POST", "/api/agent-payments/topups", [&services, &payments](const Request& request) {
    return addTopup(services, payments, request);
  });
  router.add("GET", kOnboardingPath, [&services, &payments](const Request& request) {
    return onboardingPageFor(services, payments, request);
  });
  router.add(
      "POST", "/api/agent-payments/onboarding",
      [&payments](const Request& request) { return completeOnboarding(payments, request); },
      BodyFormat::form);
}

}  // namespace ondi::server
