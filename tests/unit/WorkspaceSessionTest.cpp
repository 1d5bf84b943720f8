#include "AccountFixture.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/shell/ShellController.h"

namespace ondi {
namespace {

using Kind = WorkspaceSessionState::Kind;

class WorkspaceSessionTest : public AccountFixture {
 protected:
  // The check that loading home started at launch.
  void answerLaunchCheck(int status, const nlohmann::json& body) { answer(status, body); }
};

TEST_F(WorkspaceSessionTest, LaunchChecksOnceAndConfirmsOnlyRealAccounts) {
  EXPECT_EQ(account().workspaceSessionState.get().kind(), Kind::checking);
  model.refreshWorkspaceSession();
  model.load(VelmoraRoute::agent());
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(requestCount(), 1u);
  EXPECT_EQ(lastRequest().url, kSessionPath);
  EXPECT_EQ(lastRequest().method, "GET");

  answerLaunchCheck(200, signedIn("  u1  "));
  const auto& state = account().workspaceSessionState.get();
  ASSERT_EQ(state.kind(), Kind::authenticated);
  EXPECT_EQ(state.identity(), (WorkspaceIdentity{"u1", "", "", "email"}));
  EXPECT_EQ(account().desktopPreferences.get(), DesktopAccountPreferences::accountDefaults());
  EXPECT_TRUE(account().agentInstructionProfiles.get().empty());
  EXPECT_EQ(account().conversationHistoryStatus.get(), ConversationHistoryStatus{});

  for (const nlohmann::json& answer_ :
       {nlohmann::json{{"authenticated", true}, {"guest", true}, {"user", {{"id", "u1"}}}},
        nlohmann::json{{"authenticated", true}, {"user", {{"id", "u1"}, {"guest", true}}}},
        nlohmann::json{{"authenticated", true}, {"user", {{"id", ""}}}},
        nlohmann::json{{"authenticated", true}, {"user", {{"id", "   "}}}},
        nlohmann::json{{"authenticated", false}}}) {
    confirm("u1");
    model.refreshWorkspaceSession();
    answer(200, answer_);
    EXPECT_EQ(account().workspaceSessionState.get().kind(), Kind::signedOut) << answer_.dump();
  }
}

TEST_F(WorkspaceSessionTest, FailuresMakeTheServiceUnavailableAndClearAccountData) {
  answerLaunchCheck(
      200,
      {{"authenticated", true},
       {"user", {{"id", "u1"}}},
       {"conversationHistory",
        {{"enabled", true}, {"accountScoped", true}, {"resumable", true}, {"provider", "local"}}}});
  account().conversationThreads.set({{"t1", "Title", "", "", 1}});
  account().activeConversationThreadID.set("t1");
  const auto preferences = account().desktopPreferences.get();

  model.refreshWorkspaceSession();
  answer(500, {{"ok", false}});
  EXPECT_EQ(account().workspaceSessionState.get(),
            WorkspaceSessionState::unavailable(
                "Ondi received an invalid response from the messaging service."));
  EXPECT_TRUE(account().conversationThreads.get().empty());
  EXPECT_EQ(account().activeConversationThreadID.get(), "default");
  EXPECT_EQ(account().conversationHistoryStatus.get(), ConversationHistoryStatus{});
  EXPECT_EQ(account().desktopPreferences.get(), preferences);
  EXPECT_FALSE(account().isWorkspaceSessionRefreshInFlight);

  model.refreshWorkspaceSession();
  EXPECT_EQ(account().workspaceSessionState.get().kind(), Kind::checking);
  platform.scheduler.runUntilIdle();
  platform.transport.fail(std::string(300, 'e'));
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(account().workspaceSessionState.get().message(), std::string(117, 'e') + "\u2026");

  model.refreshWorkspaceSession();
  answerText(200, "<html>not json</html>");
  EXPECT_EQ(account().workspaceSessionState.get().kind(), Kind::unavailable);
}

TEST_F(WorkspaceSessionTest, ARecheckKeepsTheWorkspaceAndTheThemeInUse) {
  answerLaunchCheck(200, signedIn("u1", {{"desktopPreferences",
                                          {{"interfaceStyle", "washi-ember"},
                                           {"showInspector", true},
                                           {"dailyBriefEnabled", true},
                                           {"useOpenAIFallback", true},
                                           {"autoModelHandoffEnabled", true},
                                           {"requireApprovalForSpend", true},
                                           {"requireApprovalForCustomerMessages", true},
                                           {"modelProvider", "openai"}}}}));
  EXPECT_EQ(account().desktopPreferences.get().interfaceStyle, "washi-ember");
  EXPECT_EQ(account().selectedModelProvider.get(), VelmoraModelProvider::openAI);
  EXPECT_EQ(platform.settings.stringValue("Velmora.interfaceStyle"), "washi-ember");

  model.refreshWorkspaceSession();
  EXPECT_EQ(account().workspaceSessionState.get().kind(), Kind::authenticated);
  answer(200, signedIn("u1", {{"desktopPreferences",
                               {{"interfaceStyle", "cinematic"},
                                {"showInspector", false},
                                {"dailyBriefEnabled", true},
                                {"useOpenAIFallback", false},
                                {"autoModelHandoffEnabled", true},
                                {"requireApprovalForSpend", true},
                                {"requireApprovalForCustomerMessages", true},
                                {"modelProvider", "anthropic"}}}}));
  const auto& preferences = account().desktopPreferences.get();
  EXPECT_EQ(preferences.interfaceStyle, "washi-ember");
  EXPECT_FALSE(preferences.showInspector);
  EXPECT_FALSE(preferences.useOpenAIFallback);
  EXPECT_EQ(preferences.modelProvider, "anthropic");
  EXPECT_EQ(platform.settings.boolValue("Velmora.showInspector"), false);
}

TEST_F(WorkspaceSessionTest, PreferenceChangesSyncOnceAndOnlyWhenSignedIn) {
  answerLaunchCheck(200, {{"authenticated", false}});
  model.updateDesktopPreferences([](auto& p) { p.showInspector = false; });
  EXPECT_EQ(requestCount(), 1u);
  EXPECT_EQ(platform.settings.boolValue("Velmora.showInspector"), false);

  confirm("u1");
  const std::size_t before = requestCount();
  model.updateDesktopPreferences([](auto& p) { p.dailyBriefEnabled = false; });
  model.updateDesktopPreferences([](auto& p) { p.dailyBriefEnabled = false; });
  platform.scheduler.runUntilIdle();
  ASSERT_EQ(requestCount(), before + 1);
  EXPECT_EQ(lastRequest().method, "PUT");
  EXPECT_EQ(lastRequest().url, "https://ondi.example/api/account/preferences");
  EXPECT_EQ(nlohmann::json::parse(*lastRequest().body)["preferences"]["dailyBriefEnabled"], false);

  answer(500, {{"ok", false}});
  EXPECT_EQ(account().accountActionError.get(),
            "Settings could not be synced. Ondi received an invalid response from the messaging "
            "service.");
  EXPECT_FALSE(account().desktopPreferences.get().dailyBriefEnabled);
}

TEST_F(WorkspaceSessionTest, TheInspectorIsAPreferenceOfTheAccountThatTheShellFollows) {
  ShellController& shell = model.shell();
  answerLaunchCheck(200, {{"authenticated", false}});
  shell.setShowInspector(false);
  model.refreshWorkspaceSession();
  answer(200, {{"authenticated", false}});
  EXPECT_FALSE(shell.showInspector().get()) << "a signed-out answer keeps the local choice";

  confirm("u1");
  EXPECT_TRUE(shell.showInspector().get()) << "the account's value is taken";
  shell.setShowInspector(false);
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(lastRequest().method, "PUT");
  EXPECT_EQ(nlohmann::json::parse(*lastRequest().body)["preferences"]["showInspector"], false);
  EXPECT_FALSE(account().desktopPreferences.get().showInspector);
  EXPECT_EQ(platform.settings.boolValue(kShowInspectorKey), false);
}

TEST_F(WorkspaceSessionTest, TheUnifiedThemeStaysWithTheUserWhoChoseIt) {
  answerLaunchCheck(200, signedIn("u1"));
  model.updateDesktopPreferences([](auto& p) { p.interfaceStyle = "washi-ember"; });
  answer(200, {{"ok", true}});
  model.updateDesktopPreferences([](auto& p) { p.interfaceStyle = "unified-workspace"; });
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(nlohmann::json::parse(*lastRequest().body)["preferences"]["interfaceStyle"],
            "washi-ember");
  EXPECT_EQ(platform.settings.stringValue("Velmora.unifiedThemeUserID"), "u1");
  answer(200, {{"ok", true}});

  // Another user on this machine gets the service's value; the chooser gets unified back.
  model.signOutWorkspace(false);
  answer(200, {{"ok", true}});
  platform.scheduler.runUntilIdle();
  confirm("u2");
  EXPECT_EQ(account().desktopPreferences.get().interfaceStyle, "studio");
  model.signOutWorkspace(false);
  answer(200, {{"ok", true}});
  platform.scheduler.runUntilIdle();
  confirm("u1");
  EXPECT_EQ(account().desktopPreferences.get().interfaceStyle, "unified-workspace");

  model.updateDesktopPreferences([](auto& p) { p.interfaceStyle = "cinematic"; });
  EXPECT_FALSE(platform.settings.stringValue("Velmora.unifiedThemeUserID"));
}

}  // namespace
}  // namespace ondi
