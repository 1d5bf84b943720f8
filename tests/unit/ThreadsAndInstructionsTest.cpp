#include "AccountFixture.h"

#include <gmock/gmock.h>

#include "core/account/ConversationThreadController.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/ports/WebView.h"
#include "fakes/FakeWebView.h"

namespace ondi {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class ThreadsAndInstructionsTest : public AccountFixture {
 protected:
  fakes::FakeWebView& surface() { return static_cast<fakes::FakeWebView&>(model.surfaceWebView()); }

  static nlohmann::json profile(const std::string& id, std::vector<std::string> instructions) {
    return {{"id", id},
            {"name", id},
            {"voice", "alloy"},
            {"role", "r"},
            {"instructions", instructions}};
  }

  using Outcome = std::expected<AgentInstructionProfile, DesktopAPIRequestError>;
  std::optional<Outcome> save(const std::string& id, std::vector<std::string> lines) {
    std::optional<Outcome> outcome;
    model.updateAgentInstructions(id, lines, [&](Outcome o) { outcome = std::move(o); });
    return outcome;
  }
};

TEST_F(ThreadsAndInstructionsTest, SnapshotsReplaceTheListOnlyWhenItChanges) {
  int notifications = 0;
  account().conversationThreads.changed().connect([&](const auto&) { ++notifications; });
  const nlohmann::json snapshot = {{"id", "thread-sync-1"},
                                   {"action", "syncConversationThreads"},
                                   {"activeThreadId", "t2"},
                                   {"threads", {{{"id", "t1"}}, {{"id", "t2"}}}}};
  model.applyConversationThreadSnapshot(snapshot);
  EXPECT_TRUE(account().conversationThreads.get().empty());
  platform.scheduler.runUntilIdle();
  model.applyConversationThreadSnapshot(snapshot);
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(notifications, 1);
  EXPECT_EQ(account().conversationThreads.get().size(), 2u);
  EXPECT_EQ(account().activeConversationThreadID.get(), "t2");
  EXPECT_EQ(platform.logger.entries.back().message, "Conversation state synced threadCount=2");

  model.applyConversationThreadSnapshot({{"activeThreadId", "bad id"}, {"threads", "x"}});
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(account().activeConversationThreadID.get(), "default");
}

TEST_F(ThreadsAndInstructionsTest, OpeningAThreadLoadsTheOperatorPageFirst) {
  model.openConversationThread("  t-42  ");
  EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::agent());
  EXPECT_EQ(surface().htmlLoads.size(), 1u);
  const auto scriptsBefore = surface().scripts.size();
  platform.scheduler.advance(std::chrono::milliseconds(899));
  EXPECT_EQ(surface().scripts.size(), scriptsBefore);
  platform.scheduler.advance(std::chrono::milliseconds(1));
  ASSERT_EQ(surface().scripts.size(), scriptsBefore + 1);
  EXPECT_EQ(surface().scripts.back(),
            "(function() {\n  if (window.velmoraDesktopOpenThread) {\n    "
            "window.velmoraDesktopOpenThread(\"t-42\");\n  }\n})();");

  model.startNewChat();
  EXPECT_EQ(surface().scripts.back(),
            "(function() {\n  if (window.velmoraDesktopNewThread) {\n    "
            "window.velmoraDesktopNewThread();\n  }\n})();");

  const auto count = surface().scripts.size();
  model.openConversationThread("a/b");
  EXPECT_EQ(surface().scripts.size(), count);

  model.conversationThreads().refreshConversationHistory();
  EXPECT_THAT(surface().scripts.back(), HasSubstr("velmoraDesktopRefreshConversationHistory();"));
}

TEST_F(ThreadsAndInstructionsTest, SavingInstructionsNeedsASignedInUserAndTheEditedAgent) {
  auto refused = save("main", {"Be brief."});
  ASSERT_TRUE(refused && !*refused);
  EXPECT_EQ(refused->error().description(), "Sign in to save agent instructions.");

  model.refreshWorkspaceSession();
  answer(200, {{"authenticated", true},
               {"user", {{"id", "u1"}}},
               {"agentInstructions", {profile("main", {"Old"}), profile("scout", {"Look"})}}});
  const std::size_t before = requestCount();
  auto blank = save("main", {"  ", ""});
  EXPECT_EQ(blank->error().description(), "Add at least one instruction before saving.");
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(requestCount(), before);

  std::optional<Outcome> outcome;
  model.updateAgentInstructions("main", {" Be brief. ", ""}, [&](Outcome o) { outcome = o; });
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(nlohmann::json::parse(*lastRequest().body),
            nlohmann::json::parse(R"({"agentInstructions": [
              {"id": "main", "instructions": ["Be brief."]},
              {"id": "scout", "instructions": ["Look"]}]})"));
  answer(200, {{"ok", true}, {"agentInstructions", {profile("scout", {"Look"})}}});
  ASSERT_TRUE(outcome && !*outcome);
  EXPECT_EQ(outcome->error().description(), "Agent instructions could not be saved.");
  EXPECT_EQ(account().accountActionError.get(),
            "Agent instructions could not be synced. Agent instructions could not be saved.");
  EXPECT_EQ(account().agentInstructionProfiles.get().size(), 2u);

  outcome.reset();
  model.updateAgentInstructions("main", {"Be brief."}, [&](Outcome o) { outcome = o; });
  answer(200,
         {{"ok", true},
          {"agentInstructions", {profile("main", {"Be brief."}), profile("scout", {"Look"})}}});
  ASSERT_TRUE(outcome && *outcome);
  EXPECT_THAT((*outcome)->instructions, ElementsAre("Be brief."));
  EXPECT_EQ(account().accountActionError.get(), "");
}

}  // namespace
}  // namespace ondi
