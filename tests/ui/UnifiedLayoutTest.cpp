#include <gtest/gtest.h>

#include <gtkmm/stack.h>
#include <gtkmm/togglebutton.h>

#include "ApplicationTest.h"
#include "PageServer.h"
#include "core/account/DesktopPreferencesController.h"
#include "core/browser/BrowserTabs.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/ports/WebView.h"
#include "core/shell/ShellController.h"
#include "core/shell/WorkspaceTools.h"
#include "core/theme/VelmoraTheme.h"
#include "core/util/ScopedConnections.h"
#include "core/workspace/AgentPromptPreparation.h"
#include "ui/app/MainWindow.h"
#include "ui/shell/RoutedContent.h"

using namespace ondi;

namespace {

using UnifiedLayoutTest = ApplicationTest;

const WorkspaceSessionState kSignedIn =
    WorkspaceSessionState::authenticated({"u1", "Ada Lovelace", "ada@example.com", "email"});

// Loading the agent page checks the session, which fails without a service; confirm the
// account once the check has ended.
void confirmAccount(DesktopBrowserModel& model) {
  ASSERT_TRUE(waitUntil([&] { return !model.account.isWorkspaceSessionRefreshInFlight; }));
  model.account.workspaceSessionState.set(kSignedIn);
}

void useUnifiedLayout(DesktopBrowserModel& model) {
  model.preferences().update([](DesktopAccountPreferences& preferences) {
    preferences.interfaceStyle = rawValue(VelmoraTheme::unifiedWorkspace);
  });
  confirmAccount(model);
}

TEST_F(UnifiedLayoutTest, TaskColumnToolsPanelAndTheEmptyTaskState) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    std::string preparedPrompt;
    ScopedConnections prompts;
    prompts.add(model.agentPrompts().pendingAgentPrompt.changed().connect([&](const auto& pending) {
      if (pending) preparedPrompt = pending->prompt;
    }));
    useUnifiedLayout(model);
    model.load(VelmoraRoute::agent());
    confirmAccount(model);
    ASSERT_NE(findNamed(window, "shell.unified"), nullptr);
    EXPECT_EQ(findNamed(window, "shell.sidebar"), nullptr);

    Gtk::Widget& empty = *findNamed(window, "unified.empty-task");
    EXPECT_TRUE(isShown(empty));
    EXPECT_TRUE(findLabel(empty, "What would you like to move forward?"));
    EXPECT_TRUE(findLabel(*findNamed(window, "unified.account"), "ada@example.com"));
    screenshot("unified-empty-task");

    click(*findNamed(window, "unified.start-request"));
    EXPECT_FALSE(empty.get_visible());
    click(*findNamed(window, "unified.new-task"));
    EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::agent());
    EXPECT_TRUE(empty.get_visible());

    // A conversation with messages is under way; a thread without any is not.
    model.applyConversationThreadSnapshot(nlohmann::json{
        {"activeThreadId", "t-2"},
        {"threads", {{{"id", "t-2"}, {"title", "Vendor follow-up"}, {"messageCount", 3}}}}});
    EXPECT_TRUE(waitUntil([&] { return !empty.get_visible(); }));
    model.applyConversationThreadSnapshot(
        nlohmann::json{{"activeThreadId", "t-3"}, {"threads", nlohmann::json::array()}});
    EXPECT_TRUE(waitUntil([&] { return empty.get_visible(); }));

    Gtk::Widget& tools = *findNamed(window, "unified.tools-panel");
    EXPECT_FALSE(tools.get_visible());
    click(*findNamed(window, "unified.tools"));
    EXPECT_TRUE(isShown(tools));
    for (const WorkspaceTool& tool : workspaceTools()) {
      EXPECT_TRUE(findNamed(tools, tool.identifier)) << tool.title;
    }
    screenshot("unified-tools");
    click(*findNamed(tools, "unified.tools.connectors"));
    EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::connectors());
    EXPECT_FALSE(empty.get_visible());

    // Prompts for the main agent show the agent page with the prompt, not the empty state.
    click(*findNamed(tools, "unified.tools.automations"));
    EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::agent());
    EXPECT_EQ(preparedPrompt, kRecurringWorkPrompt);
    confirmAccount(model);
    EXPECT_FALSE(empty.get_visible());
    click(*findNamed(window, "unified.approvals"));
    EXPECT_EQ(preparedPrompt, kPendingApprovalsPrompt);

    click(*findNamed(tools, "unified.tools-panel.close"));
    EXPECT_FALSE(tools.get_visible());
    EXPECT_FALSE(findNamed<Gtk::ToggleButton>(window, "unified.tools")->get_active());
  });
}

// The pane only hides: tabs stay open, a page still loading goes on loading, and reopening
// shows the same tab.
TEST_F(UnifiedLayoutTest, CollapsingTheBrowserPaneKeepsTabsLoading) {
  // Not the service's loopback address, whose pages check the session again.
  PageServer site("127.0.0.2");
  site.addStreamingPage("/slow", "<title>Slow page</title><p>first part</p>", "<p>the rest</p>",
                        std::chrono::milliseconds(0), std::chrono::milliseconds(2500));
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    useUnifiedLayout(model);
    auto& paneSwitch = *findNamed<Gtk::ToggleButton>(window, "unified.open-browser");
    Gtk::Widget& pane = *findNamed(window, "shell.browser-pane");
    Gtk::Stack& screens = window.shell().content().screens();

    click(paneSwitch);
    // The agent page, once loaded, checks the session too.
    ASSERT_TRUE(waitUntil([&] {
      return !model.surfaceWebView().isLoading() && !model.surfaceWebView().title().empty();
    }));
    confirmAccount(model);
    EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::browserWorkspace());
    EXPECT_TRUE(isShown(pane));
    EXPECT_TRUE(isShown(screens));
    EXPECT_EQ(screens.get_visible_child_name(), "surface");
    EXPECT_TRUE(isShown(*findNamed(window, "unified.back-to-task")));

    model.openInAppBrowserTab(site.url("/slow"), std::nullopt);
    WebView& view = *model.tabs.selectedSession().webView;
    const auto selected = model.tabs.selectedBrowserTabID.get();
    const std::size_t tabCount = model.tabs.sessions().size();
    ASSERT_TRUE(waitUntil([&] { return site.hits("/slow") == 1 && view.isLoading(); }));
    screenshot("unified-browser-pane");

    click(paneSwitch);
    EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::agent());
    EXPECT_FALSE(pane.get_visible());
    EXPECT_TRUE(view.isLoading());
    EXPECT_TRUE(waitUntil([&] { return !view.isLoading(); }, 10000));
    EXPECT_EQ(view.url(), site.url("/slow"));
    EXPECT_EQ(model.tabs.sessions().size(), tabCount);

    confirmAccount(model);
    click(paneSwitch);
    EXPECT_TRUE(pane.get_visible());
    EXPECT_EQ(model.tabs.selectedBrowserTabID.get(), selected);
    // The tools panel and the pane take turns on the right.
    auto& toolsSwitch = *findNamed<Gtk::ToggleButton>(window, "unified.tools");
    click(toolsSwitch);
    EXPECT_FALSE(pane.get_visible());
    click(paneSwitch);
    EXPECT_TRUE(pane.get_visible());
    EXPECT_FALSE(toolsSwitch.get_active());
    EXPECT_FALSE(findNamed(window, "unified.tools-panel")->get_visible());

    click(*findNamed(window, "unified.back-to-task"));
    EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::agent());
    EXPECT_FALSE(pane.get_visible());
  });
}

}  // namespace
