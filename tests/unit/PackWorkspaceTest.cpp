#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "AccountFixture.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/packs/AgentPackCatalog.h"
#include "core/packs/ModelProviderSelection.h"
#include "core/packs/PackWorkspaceController.h"
#include "core/ports/WebView.h"
#include "core/workspace/AgentPromptPreparation.h"
#include "fakes/FakeWebView.h"

namespace ondi {
namespace {

using std::chrono::milliseconds;

constexpr const char* kConfigure = "velmoraDesktopOpenPackWorkspace";
constexpr const char* kPrepare = "velmoraDesktopPreparePrompt";
constexpr const char* kProvider = "velmoraDesktopSetModelProvider";

// The model with the built-in packs, its surface a fake page that answers scripts on demand.
class PackWorkspaceTest : public AccountFixture {
 protected:
  fakes::FakeWebView& page() { return static_cast<fakes::FakeWebView&>(model.surfaceWebView()); }
  const AgentUseCasePack& pack(const std::string& id) { return *model.packs().pack(id); }
  long count(const std::string& marker) {
    return std::ranges::count_if(page().scripts, [&](const std::string& script) {
      return script.find(marker) != std::string::npos;
    });
  }
  PackWorkspaceController& packs() { return model.packWorkspace(); }
  std::string lastScriptWith(const std::string& marker) {
    const auto found = std::ranges::find_if(
        page().scripts.rbegin(), page().scripts.rend(),
        [&](const std::string& script) { return script.find(marker) != std::string::npos; });
    return found == page().scripts.rend() ? "" : *found;
  }
};

TEST_F(PackWorkspaceTest, ThePageIsAskedUntilItTakesThePackAndTheLoopEndsWithTheRoute) {
  // From home the operator page is loaded first, and given time to define its functions.
  const auto loads = page().htmlLoads.size();
  packs().preparePackWorkflow(pack("business-commerce").workflows[0], pack("business-commerce"));
  EXPECT_EQ(page().htmlLoads.size(), loads + 1);
  EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::packWorkspace("business-commerce"));
  EXPECT_TRUE(packs().isPackWorkspaceActive());
  ASSERT_TRUE(packs().pendingPackWorkspacePrompt());
  EXPECT_TRUE(packs().pendingPackWorkspacePrompt()->starts_with(
      "Use the Commerce Workspace. Prepare a commerce product launch."));
  platform.scheduler.advance(milliseconds(549));
  EXPECT_EQ(count(kConfigure), 0);
  platform.scheduler.advance(milliseconds(1));
  for (int missing = 1; missing <= 3; ++missing) {
    ASSERT_EQ(count(kConfigure), missing);
    ASSERT_TRUE(page().answer(kConfigure, "\"missing\""));
    platform.scheduler.advance(milliseconds(350));
  }
  ASSERT_EQ(count(kConfigure), 4);
  const std::string& script = page().scripts.back();
  EXPECT_NE(script.find("\"starterPrompt\":\"Use the Commerce Workspace."), std::string::npos);
  EXPECT_NE(script.find("\"threadId\":\"pack-business-commerce\""), std::string::npos);
  EXPECT_TRUE(packs().pendingPackWorkspacePrompt());
  ASSERT_TRUE(page().answer(kConfigure, "\"configured\""));
  EXPECT_FALSE(packs().pendingPackWorkspacePrompt());
  platform.scheduler.advance(milliseconds(5000));
  EXPECT_EQ(count(kConfigure), 4);
  EXPECT_EQ(model.navigation.title.get(), "Commerce Workspace");
  EXPECT_EQ(model.navigation.currentURLString.get(), "velmora://workspace/business-commerce");

  // With the operator page showing, the next pack is handed over at once; leaving the pack
  // before an answer ends the loop.
  packs().openPackWorkspace(pack("personal-finance"), &pack("personal-finance").helpers[1],
                            std::nullopt);
  EXPECT_EQ(page().htmlLoads.size(), loads + 1);
  EXPECT_EQ(packs().selectedPackHelperID.get(), "finance-bills");
  platform.scheduler.advance(milliseconds(0));
  ASSERT_EQ(count(kConfigure), 5);
  EXPECT_NE(page().scripts.back().find("\"selectedHelperId\":\"finance-bills\""),
            std::string::npos);
  model.load(VelmoraRoute::connectors());
  page().answer(kConfigure, "\"missing\"");
  platform.scheduler.advance(milliseconds(5000));
  EXPECT_EQ(count(kConfigure), 5);
  EXPECT_FALSE(packs().isPackWorkspaceActive());
}

TEST_F(PackWorkspaceTest, HelpersAndWorkflowsInsideAndOutsideTheOpenPack) {
  const AgentUseCasePack& commerce = pack("business-commerce");
  packs().openPackWorkspace(commerce, nullptr, std::nullopt);
  platform.scheduler.advance(milliseconds(550));
  page().answer(kConfigure, "\"configured\"");

  packs().selectPackHelper(&commerce.helpers[2], commerce);
  EXPECT_EQ(packs().selectedPackHelperID.get(), "commerce-care");
  EXPECT_NE(page().scripts.back().find("velmoraDesktopSelectPackAgent"), std::string::npos);
  EXPECT_NE(page().scripts.back().find("})(\"commerce-care\");"), std::string::npos);

  // A workflow of the open pack goes straight into the composer under the main operator.
  packs().preparePackWorkflow(commerce.workflows[1], commerce);
  EXPECT_NE(page().scripts.back().find(kPrepare), std::string::npos);
  EXPECT_NE(page().scripts.back().find("\"Main operator\");"), std::string::npos);

  // A helper of another pack opens that pack with the helper chosen and its starter prompt.
  const AgentUseCasePack& career = pack("personal-career");
  packs().useAgentPackHelper("Career Growth", career.helpers[1], career.approvalDetail);
  EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::packWorkspace("personal-career"));
  EXPECT_EQ(packs().selectedPackHelperID.get(), "career-resume");
  EXPECT_EQ(packs().pendingPackWorkspacePrompt(),
            "Use the Resume helper in the Career Growth Workspace. Your role is: Tailor truthful "
            "materials to a specific opportunity. Begin by asking for the minimum context you "
            "need, then follow this sequence: Read role, Map evidence, Draft revision. Keep this "
            "approval rule in force: Applications, messages, profile edits, scheduling, and "
            "public posts are never submitted without your explicit approval.");

  // A pack title no pack has sends the helper to the general agent page instead, which is
  // loaded afresh rather than left scoped to the pack.
  const auto loads = page().htmlLoads.size();
  packs().useAgentPackHelper("Gardening", career.helpers[0], "Ask first.");
  EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::agent());
  EXPECT_EQ(page().htmlLoads.size(), loads + 1);
  const auto pending = model.agentPrompts().pendingAgentPrompt.get();
  ASSERT_TRUE(pending);
  EXPECT_EQ(pending->subagent, "Opportunity");
  EXPECT_TRUE(pending->prompt.starts_with("Use the Opportunity helper from my Gardening pack."));
  EXPECT_TRUE(pending->prompt.ends_with(
      "follow this sequence: Define criteria, Research roles, Compare fit. Keep this approval "
      "rule in force: Ask first."));
}

TEST_F(PackWorkspaceTest, OnePromptWaitsForTheAgentPageAndLeavesOnlyWhenThePageTookIt) {
  auto& prompts = model.agentPrompts();
  prompts.useSubagent("   ");
  prompts.prepareAgentPrompt("  \n ", "Ads Agent");
  EXPECT_FALSE(prompts.pendingAgentPrompt.get());
  EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::home());

  // From home the agent page is loaded; the newest prompt is the one it receives.
  prompts.prepareAgentPrompt("First", std::nullopt);
  EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::agent());
  prompts.useSubagent("  Ads Agent ");
  const PendingAgentPrompt expected{
      "Act as the Ads Agent helper. Start by defining your role, the inputs you need, the "
      "decisions you can make, and what needs owner approval.",
      "Ads Agent"};
  EXPECT_EQ(prompts.pendingAgentPrompt.get(), expected);
  EXPECT_EQ(count(kPrepare), 0);
  page().state.isLoading = false;
  page().finishNavigation();
  ASSERT_EQ(count(kPrepare), 1);
  EXPECT_NE(page().scripts.back().find("\"Ads Agent\");"), std::string::npos);
  EXPECT_EQ(count(kProvider), 1);

  // A page without a composer keeps the prompt; a newer prompt is not cleared by the older
  // prompt's answer.
  page().answer(kPrepare, "\"missing\"");
  EXPECT_EQ(prompts.pendingAgentPrompt.get(), expected);
  prompts.prepareAgentPrompt("Second", std::nullopt);
  prompts.prepareAgentPrompt("Third", std::nullopt);
  page().answer(kPrepare, "\"prepared\"");
  EXPECT_EQ(prompts.pendingAgentPrompt.get(), (PendingAgentPrompt{"Third", std::nullopt}));
  page().answer(kPrepare, "\"prepared\"");
  EXPECT_FALSE(prompts.pendingAgentPrompt.get());
}

TEST_F(PackWorkspaceTest, TheChosenModelReachesThePageTheDefaultsAndASignedInAccount) {
  auto& provider = model.modelProvider();
  const auto scripts = page().scripts.size();
  provider.selectModelProvider(VelmoraModelProvider::automatic);
  EXPECT_EQ(page().scripts.size(), scripts);
  EXPECT_FALSE(platform.settings.stringValue(kModelProviderKey));

  // Signed out: stored here and shown to the page, the account untouched.
  const auto requests = requestCount();
  provider.selectModelProvider(VelmoraModelProvider::cursor);
  EXPECT_EQ(platform.settings.stringValue(kModelProviderKey), "cursor");
  EXPECT_NE(page().scripts.back().find("})(\"cursor\", \"Cursor Composer\");"), std::string::npos);
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(requestCount(), requests);

  // Signed in: the account's preferences carry the choice.
  confirm("user-1");
  provider.selectModelProvider(VelmoraModelProvider::anthropic);
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(lastRequest().method, "PUT");
  EXPECT_NE(lastRequest().body.value_or("").find("\"modelProvider\":\"anthropic\""),
            std::string::npos);
  EXPECT_NE(lastScriptWith(kProvider).find("})(\"anthropic\", \"Fable 5\");"), std::string::npos);
}

TEST(ModelProviderDefaultsTest, OnlyTheExactRawValueIsAProvider) {
  fakes::InMemorySettingsStore settings;
  settings.setString(kModelProviderKey, "OpenAI");
  EXPECT_EQ(storedModelProvider(settings), VelmoraModelProvider::automatic);
  settings.setString(kModelProviderKey, "openai");
  EXPECT_EQ(storedModelProvider(settings), VelmoraModelProvider::openAI);
}

}  // namespace
}  // namespace ondi
