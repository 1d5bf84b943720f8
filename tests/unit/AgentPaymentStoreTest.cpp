#include "core/payments/AgentPaymentStore.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "AccountFixture.h"
#include "core/origin/ServiceOrigin.h"
#include "core/util/Json.h"
#include "core/util/Url.h"

namespace ondi {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kStatusURL = "https://ondi.example/api/agent-payments/status";

AgentPaymentPolicy serverPolicy(std::int64_t monthlyCents = 80000) {
  AgentPaymentPolicy policy = AgentPaymentPolicy::draftDefault();
  policy.agentID = "ads";
  policy.monthlyLimitCents = monthlyCents;
  policy.isPaused = false;
  return policy;
}

nlohmann::json status(const std::string& setupState, const AgentPaymentPolicy& policy) {
  return {{"ok", true},
          {"state",
           {{"provider", "stripe_issuing"},
            {"setupState", setupState},
            {"availableBalanceCents", 12500},
            {"pendingBalanceCents", 0},
            {"currency", "usd"},
            {"policy", policy},
            {"recentTopups", nlohmann::json::array()},
            {"missingConfiguration", nlohmann::json::array()}}}};
}

nlohmann::json topupAnswer(const std::string& topupStatus) {
  return {{"ok", true},
          {"topup", {{"amountCents", 25000}, {"currency", "usd"}, {"status", topupStatus}}}};
}

class AgentPaymentStoreTest : public AccountFixture {
 protected:
  AgentPaymentStoreTest() { answer(200, signedIn("account-1")); }

  AgentPaymentStore& store() { return model.agentPayments(); }
  // The latest request, once the ones under way have reached the transport.
  const HttpRequest& sent() {
    platform.scheduler.runUntilIdle();
    return lastRequest();
  }
  nlohmann::json lastBody() { return nlohmann::json::parse(sent().body.value()); }
  std::optional<std::string> stored() const {
    return platform.settings.stringValue(kAgentPaymentDraftPolicyKey);
  }

  void refreshWith(const nlohmann::json& body) {
    store().refresh();
    answer(200, body);
  }
  void becomeReady() { refreshWith(status("ready", serverPolicy())); }
  std::string topupKey() {
    store().addCredit();
    return lastBody().at("idempotencyKey").get<std::string>();
  }
};

TEST_F(AgentPaymentStoreTest, RefreshSendsOneRequestAtATimeAndAdoptsTheServerPolicyOnce) {
  store().editDraft([](AgentPaymentPolicy& policy) { policy.monthlyLimitCents = 1; });
  const std::size_t before = requestCount();
  store().refresh();
  store().refresh();
  EXPECT_EQ(sent().url, kStatusURL);
  EXPECT_EQ(requestCount(), before + 1);
  EXPECT_TRUE(store().isRefreshing.get());

  // The first answer replaces edits made before it, and is stored.
  answer(200, status("onboarding_required", serverPolicy()));
  EXPECT_FALSE(store().isRefreshing.get());
  EXPECT_EQ(store().draftPolicy.get(), serverPolicy());
  EXPECT_EQ(store().savedPolicy.get(), serverPolicy());
  EXPECT_EQ(store().account.get().setupState, AgentPaymentSetupState::onboardingRequired);
  EXPECT_EQ(decodeJSON<AgentPaymentPolicy>(stored().value()), serverPolicy());

  // Edits after it survive later answers until saved or discarded.
  store().editDraft([](AgentPaymentPolicy& policy) { policy.monthlyLimitCents = 90000; });
  refreshWith(status("ready", serverPolicy(70000)));
  EXPECT_EQ(store().draftPolicy.get().monthlyLimitCents, 90000);
  EXPECT_EQ(store().savedPolicy.get(), serverPolicy());
  EXPECT_EQ(store().account.get().setupState, AgentPaymentSetupState::ready);
  store().discardChanges();
  EXPECT_FALSE(store().hasUnsavedChanges());
}

TEST_F(AgentPaymentStoreTest, RefreshFailuresEndInOneSentenceAndA404MeansUnavailable) {
  becomeReady();
  store().refresh();
  answer(404, {{"ok", false}});
  EXPECT_EQ(store().account.get(), AgentPaymentAccountSnapshot::unavailable());
  EXPECT_EQ(store().errorMessage.get(), std::nullopt);
  EXPECT_EQ(store().savedPolicy.get(), serverPolicy());

  refreshWith({{"state", nullptr}});
  EXPECT_EQ(store().errorMessage.get(),
            "The payment service sent an answer that could not be read.");
  refreshWith({{"ok", false}});
  EXPECT_EQ(store().errorMessage.get(), "Agent Payment status is unavailable.");
  store().refresh();
  answer(503, {{"ok", false}, {"error", "Issuing is down."}});
  EXPECT_EQ(store().errorMessage.get(), "Issuing is down.");
  store().refresh();
  platform.scheduler.runUntilIdle();
  platform.transport.fail("Could not connect to the server.");
  platform.scheduler.runUntilIdle();
  EXPECT_FALSE(store().isRefreshing.get());
  EXPECT_TRUE(store().errorMessage.get().has_value());
}

TEST_F(AgentPaymentStoreTest, SaveAdoptsTheServersPolicyThenRefreshes) {
  becomeReady();
  store().editDraft([](AgentPaymentPolicy& policy) { policy.agentID = "  seo "; });
  ASSERT_TRUE(store().canSave());
  store().savePolicy();
  EXPECT_FALSE(store().canSave());
  EXPECT_EQ(sent().method, "PUT");
  EXPECT_EQ(lastBody().at("policy").at("agentId"), "  seo ");

  AgentPaymentPolicy trimmed = serverPolicy();
  trimmed.agentID = "seo";
  answer(200, {{"ok", true}, {"policy", trimmed}, {"version", 2}});
  EXPECT_EQ(store().draftPolicy.get(), trimmed);
  EXPECT_EQ(store().savedPolicy.get(), trimmed);
  EXPECT_TRUE(store().lastSavedAt.get().has_value());
  EXPECT_EQ(decodeJSON<AgentPaymentPolicy>(stored().value()), trimmed);
  EXPECT_EQ(store().confirmationMessage.get(),
            "Policy saved and synchronized with Stripe spending controls.");
  EXPECT_EQ(sent().url, kStatusURL);
  EXPECT_TRUE(store().isRefreshing.get());
}

TEST_F(AgentPaymentStoreTest, AStatusOvertakenByASaveNeverBringsBackTheOlderPolicy) {
  becomeReady();
  store().editDraft([](AgentPaymentPolicy& policy) { policy.monthlyLimitCents = 120000; });
  store().savePolicy();
  EXPECT_EQ(sent().method, "PUT");
  // A session check asks for the status while the save is on its way; the service read it
  // before the save changed the policy, and answers after the save.
  store().refresh();
  EXPECT_EQ(sent().url, kStatusURL);
  const AgentPaymentPolicy saved = serverPolicy(120000);
  answer(200, {{"ok", true}, {"policy", saved}, {"version", 2}});
  answer(200, status("ready", serverPolicy()));
  EXPECT_EQ(store().savedPolicy.get(), saved);
  EXPECT_EQ(store().draftPolicy.get(), saved);
  EXPECT_EQ(store().account.get().policy, saved);
  EXPECT_EQ(decodeJSON<AgentPaymentPolicy>(stored().value()), saved);

  // The status is asked for again, and its answer is adopted as usual.
  EXPECT_EQ(sent().url, kStatusURL);
  ASSERT_TRUE(store().isRefreshing.get());
  answer(200, status("ready", saved));
  EXPECT_FALSE(store().isRefreshing.get());
  EXPECT_EQ(store().savedPolicy.get(), saved);
}

TEST_F(AgentPaymentStoreTest, InvalidOrRefusedPoliciesAreNotAdopted) {
  becomeReady();
  store().editDraft([](AgentPaymentPolicy& policy) { policy.allowedCategories.clear(); });
  EXPECT_FALSE(store().canSave());
  const std::size_t before = requestCount();
  store().savePolicy();
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(requestCount(), before);

  store().toggleCategory(AgentPaymentCategory::travel);
  store().savePolicy();
  answer(400, {{"ok", false}});
  EXPECT_EQ(store().errorMessage.get(), "The server policy was not changed.");
  EXPECT_EQ(store().draftPolicy.get().allowedCategories, std::set{AgentPaymentCategory::travel});
  EXPECT_EQ(store().savedPolicy.get(), serverPolicy());
}

TEST_F(AgentPaymentStoreTest, ARetriedTopupKeepsItsKeyUntilTheAmountChangesOrItSucceeds) {
  becomeReady();
  const std::string first = topupKey();
  EXPECT_EQ(lastBody().at("amountCents"), 25000);
  EXPECT_EQ(first.size(), 36u);
  EXPECT_EQ(first, asciiLowercased(first));
  platform.scheduler.runUntilIdle();
  platform.transport.fail("The request timed out.");
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(store().errorMessage.get(), "The request timed out.");

  EXPECT_EQ(topupKey(), first);
  answer(402, {{"ok", false}, {"error", "The funding bank declined the top-up."}});
  EXPECT_EQ(topupKey(), first);
  answer(502, {{"ok", false}});
  EXPECT_EQ(store().errorMessage.get(), "Stripe did not create the top-up.");

  store().topupAmountDollars.set(300);
  const std::string second = topupKey();
  EXPECT_NE(second, first);
  answer(200, topupAnswer("pending"));
  answer(200, status("ready", serverPolicy()));
  EXPECT_NE(topupKey(), second);
}

TEST_F(AgentPaymentStoreTest, OnlyAnExactlySucceededTopupIsReportedAvailable) {
  becomeReady();
  const auto confirmationFor = [this](const std::string& topupStatus) {
    store().addCredit();
    answer(200, topupAnswer(topupStatus));
    answer(200, status("ready", serverPolicy()));
    return store().confirmationMessage.get().value_or("");
  };
  const std::string pending =
      "Stripe accepted the bank top-up. Funds remain pending until Stripe marks them available.";
  EXPECT_EQ(confirmationFor("pending"), pending);
  EXPECT_EQ(confirmationFor("Succeeded"), pending);
  EXPECT_EQ(confirmationFor("succeeded"), "Credit is available for Agent Payment.");
}

TEST_F(AgentPaymentStoreTest, CreditCanBeAddedOnlyWhenReadyAndWithinTheBounds) {
  EXPECT_FALSE(store().canAddCredit());
  becomeReady();
  for (const auto& [dollars, allowed] :
       {std::pair{9, false}, {10, true}, {10000, true}, {10001, false}}) {
    store().topupAmountDollars.set(dollars);
    EXPECT_EQ(store().canAddCredit(), allowed) << dollars;
  }
  store().addCredit();
  EXPECT_FALSE(store().canAddCredit());
}

TEST_F(AgentPaymentStoreTest, SetupOpensOnlyASecureOnboardingAddress) {
  std::vector<std::string> opened;
  const auto setUp = [&](const nlohmann::json& body) {
    store().startSetup([&](const std::string& url) { opened.push_back(url); });
    answer(200, body);
  };
  setUp({{"ok", true}, {"setupState", "onboarding_required"}, {"url", "http://127.0.0.1:9/go"}});
  EXPECT_EQ(store().confirmationMessage.get(),
            "Continue in Stripe's secure onboarding page, then return here and refresh.");
  setUp({{"ok", true}, {"url", "javascript:alert(1)"}});
  setUp({{"ok", true}, {"url", "http://evil.example/onboard"}});
  EXPECT_TRUE(store().errorMessage.get().has_value());
  EXPECT_EQ(store().confirmationMessage.get(), std::nullopt);
  setUp({{"ok", true}, {"setupState", "ready"}});
  EXPECT_EQ(store().confirmationMessage.get(), "Stripe Agent Payment setup is ready.");
  setUp({{"ok", true}, {"setupState", "onboarding"}});
  EXPECT_EQ(store().errorMessage.get(),
            "The payment service sent an answer that could not be read.");
  EXPECT_THAT(opened, ElementsAre("http://127.0.0.1:9/go"));
}

TEST_F(AgentPaymentStoreTest, AnotherAccountStartsAfreshAndDropsAnswersMeantForTheFirst) {
  becomeReady();
  store().editDraft([](AgentPaymentPolicy& policy) { policy.monthlyLimitCents = 1234500; });
  model.refreshWorkspaceSession();
  platform.scheduler.runUntilIdle();
  store().addCredit();
  store().refresh();

  answer(200, signedIn("account-2"));
  EXPECT_EQ(store().draftPolicy.get(), AgentPaymentPolicy::draftDefault());
  EXPECT_EQ(store().account.get(), AgentPaymentAccountSnapshot::unavailable());
  EXPECT_FALSE(store().isAddingCredit.get());
  EXPECT_EQ(stored(), std::nullopt);
  // The first account's top-up and status answers arrive late and change nothing.
  answer(200, topupAnswer("succeeded"));
  answer(200, status("ready", serverPolicy(99900)));
  EXPECT_EQ(store().confirmationMessage.get(), std::nullopt);
  EXPECT_EQ(store().draftPolicy.get(), AgentPaymentPolicy::draftDefault());

  // The second account's own status, asked for on the switch, is applied.
  EXPECT_TRUE(store().isRefreshing.get());
  answer(200, status("setup_required", serverPolicy(30000)));
  EXPECT_EQ(store().savedPolicy.get().monthlyLimitCents, 30000);

  model.signOutWorkspace(false);
  answer(200, {{"ok", true}});
  EXPECT_EQ(store().savedPolicy.get(), AgentPaymentPolicy::draftDefault());
}

TEST(AgentPaymentStoreLaunchTest, AStoredPolicyIsRestoredAndACorruptOneStillCountsAsASave) {
  for (const auto& [text, expected] :
       {std::pair{encodeJSON(serverPolicy()), serverPolicy()},
        {std::string("{\"agentId\": 7"), AgentPaymentPolicy::draftDefault()}}) {
    fakes::FakePlatform platform;
    platform.settings.setString(kAgentPaymentDraftPolicyKey, text);
    DesktopBrowserModel model{ServiceOrigin{"https://ondi.example", "ondi.example"},
                              platform.services(),
                              {"<html>operator</html>"}};
    AgentPaymentStore& store = model.agentPayments();
    EXPECT_EQ(store.draftPolicy.get(), expected);
    EXPECT_EQ(store.savedPolicy.get(), expected);
    EXPECT_EQ(store.lastSavedAt.get(), platform.scheduler.now());
  }
  fakes::FakePlatform platform;
  DesktopBrowserModel model{ServiceOrigin{"https://ondi.example", "ondi.example"},
                            platform.services(),
                            {"<html>operator</html>"}};
  EXPECT_EQ(model.agentPayments().lastSavedAt.get(), std::nullopt);
  EXPECT_THAT(model.agentPayments().account.get().recentTopups, IsEmpty());
}

}  // namespace
}  // namespace ondi
