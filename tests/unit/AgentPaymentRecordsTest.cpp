#include <gtest/gtest.h>

#include "core/payments/AgentPaymentDisplay.h"
#include "core/payments/AgentPaymentMoney.h"
#include "core/payments/AgentPaymentRecords.h"
#include "core/util/Json.h"
#include "core/workspace/OperationsRecords.h"

namespace ondi {
namespace {

using Issues = std::vector<std::string>;

TEST(AgentPaymentRecordsTest, ValidationListsEveryFailingRuleInOrder) {
  EXPECT_EQ(AgentPaymentPolicy::draftDefault().validationIssues(), Issues{});

  AgentPaymentPolicy policy = AgentPaymentPolicy::draftDefault();
  policy.agentID = " \n\t";
  policy.monthlyLimitCents = 0;
  policy.perPurchaseLimitCents = 0;
  policy.approvalThresholdCents = 0;
  policy.allowedCategories.clear();
  EXPECT_EQ(policy.validationIssues(),
            (Issues{"Choose an agent for this budget.", "Monthly limit must be greater than zero.",
                    "Per-purchase limit must be greater than zero.",
                    "Allow at least one purchase category."}))
      << "zero limits are not a per-purchase excess, and a zero threshold is allowed";

  policy = AgentPaymentPolicy::draftDefault();
  policy.monthlyLimitCents = 100;
  policy.perPurchaseLimitCents = 200;
  policy.approvalThresholdCents = 300;
  EXPECT_EQ(policy.validationIssues(),
            (Issues{"Per-purchase limit cannot exceed the monthly limit.",
                    "Approval threshold must be between zero and the per-purchase limit."}));
  policy.approvalThresholdCents = 200;
  EXPECT_EQ(policy.validationIssues().size(), 1u) << "a threshold equal to the limit is valid";
  policy.approvalThresholdCents = -1;
  EXPECT_EQ(policy.validationIssues().back(),
            "Approval threshold must be between zero and the per-purchase limit.");
}

TEST(AgentPaymentRecordsTest, PoliciesKeepTheirWireKeysAndCategoriesRoundTrip) {
  const nlohmann::json encoded = AgentPaymentPolicy::draftDefault();
  EXPECT_EQ(encoded.at("agentId"), "main");
  EXPECT_EQ(encoded.at("allowedCategories"),
            nlohmann::json::parse(R"(["advertising","software","supplies"])"));
  EXPECT_EQ(encoded.size(), 7u);
  EXPECT_EQ(encoded.get<AgentPaymentPolicy>(), AgentPaymentPolicy::draftDefault());
  EXPECT_EQ(AgentPaymentPolicy::draftDefault().monthlyLimitDollars(), 500);

  auto unknown = encoded;
  unknown["allowedCategories"] = {"advertising", "groceries"};
  EXPECT_FALSE(decodeJSON<AgentPaymentPolicy>(unknown.dump()));
  EXPECT_EQ(topupRequestBody(2500, "k").dump(), R"({"amountCents":2500,"idempotencyKey":"k"})");
}

TEST(AgentPaymentRecordsTest, EnvelopesNeedOkAndSnapshotsTheirRequiredLists) {
  const std::string policy = nlohmann::json(AgentPaymentPolicy::draftDefault()).dump();
  const std::string snapshot =
      R"({"provider":"stripe_issuing","setupState":"onboarding_required",
          "availableBalanceCents":0,"pendingBalanceCents":2500,"currency":"usd","policy":)" +
      policy + R"(,"recentTopups":[{"amountCents":2500,"status":"pending","createdAt":1700}],
          "missingConfiguration":[]})";
  const auto status =
      decodeJSON<AgentPaymentStatusEnvelope>(R"({"ok":true,"state":)" + snapshot + "}");
  ASSERT_TRUE(status && status->state);
  EXPECT_EQ(status->state->setupState, AgentPaymentSetupState::onboardingRequired);
  EXPECT_FALSE(status->state->cardLast4);
  EXPECT_EQ(status->state->recentTopups.at(0).id(), "1700-2500-pending");

  EXPECT_TRUE(decodeJSON<AgentPaymentStatusEnvelope>(R"({"ok":false,"error":"x"})"));
  EXPECT_FALSE(decodeJSON<AgentPaymentStatusEnvelope>(R"({"state":null})"));
  auto without = [&](const std::string& key) {
    auto json = nlohmann::json::parse(snapshot);
    json.erase(key);
    return decodeJSON<AgentPaymentAccountSnapshot>(json.dump());
  };
  EXPECT_FALSE(without("recentTopups"));
  EXPECT_FALSE(without("missingConfiguration"));
  auto unknownState = nlohmann::json::parse(snapshot);
  unknownState["setupState"] = "paused";
  EXPECT_FALSE(decodeJSON<AgentPaymentAccountSnapshot>(unknownState.dump()));
  EXPECT_EQ(AgentPaymentAccountSnapshot::unavailable().policy, AgentPaymentPolicy::draftDefault());
}

TEST(AgentPaymentRecordsTest, MoneyIsWholeDollarsInTheLocale) {
  EXPECT_EQ(AgentPaymentMoney::usd(12345, "en_US"), "$123");
  EXPECT_EQ(AgentPaymentMoney::usd(-5000, "en_US"), "-$50");
  EXPECT_EQ(AgentPaymentMoney::usd(123456789, "en_US"), "$1,234,568");
  EXPECT_EQ(AgentPaymentMoney::usd(12345, "de_DE"), "123\u00a0$");
}

TEST(AgentPaymentRecordsTest, ScreenTextsFollowTheSignInTheRefreshAndTheSetupState) {
  using enum AgentPaymentSetupState;
  using AgentPaymentDisplay::setupAction;
  EXPECT_EQ(setupAction(false, false, setupRequired).title, "Sign In to Set Up Funds");
  EXPECT_FALSE(setupAction(false, false, setupRequired).enabled);
  EXPECT_EQ(setupAction(true, true, setupRequired).title, "Opening Stripe…");
  EXPECT_TRUE(setupAction(true, false, onboardingRequired).enabled);
  EXPECT_FALSE(setupAction(true, false, ready).enabled);
  for (const auto state : {unavailable, setupRequired, onboardingRequired, ready}) {
    EXPECT_EQ(AgentPaymentDisplay::fundingPill(true, state), "CHECKING");
  }
  EXPECT_EQ(AgentPaymentDisplay::fundingPill(false, onboardingRequired), "ONBOARDING");

  AgentPaymentAccountSnapshot account = AgentPaymentAccountSnapshot::unavailable();
  account.setupState = ready;
  account.pendingBalanceCents = 25000;
  EXPECT_EQ(AgentPaymentDisplay::fundingDetail(account),
            AgentPaymentMoney::usd(25000) +
                " is pending bank settlement. Subscription billing remains separate.");
  EXPECT_EQ(AgentPaymentDisplay::cardText(account), "");
  account.cardLast4 = "4242";
  EXPECT_EQ(AgentPaymentDisplay::cardText(account), "Virtual card •••• 4242");
  EXPECT_EQ(AgentPaymentDisplay::agentName({}, "main"), "Choose agent");
}

}  // namespace
}  // namespace ondi
