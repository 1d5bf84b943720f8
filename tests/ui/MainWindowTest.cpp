#include <gtest/gtest.h>

#include <gtkmm/stack.h>

#include "ApplicationTest.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/ports/WebView.h"
#include "core/shell/ShellController.h"
#include "ui/app/MainWindow.h"

using namespace ondi;

namespace {

using MainWindowTest = ApplicationTest;

TEST_F(MainWindowTest, OpensTitledAtItsSizesWithTheCommandMenu) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel&) {
    ui::MainWindow* window = application.mainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->get_visible());
    EXPECT_EQ(window->get_title(), "Ondi");
    int width = 0, height = 0;
    window->get_default_size(width, height);
    EXPECT_EQ(width, 1480);
    EXPECT_EQ(height, 900);
    int minimum = 0, natural = 0, ignored = 0;
    window->measure(Gtk::Orientation::HORIZONTAL, -1, minimum, natural, ignored, ignored);
    EXPECT_EQ(minimum, 1080);
    window->measure(Gtk::Orientation::VERTICAL, 1080, minimum, natural, ignored, ignored);
    EXPECT_EQ(minimum, 720);

    const std::vector<std::pair<std::string, std::string>> shortcuts{
        {"app.open-agent-workspace", "<Control>n"},
        {"app.open-agent-packs", "<Shift><Control>p"},
        {"app.run-live-browser-demo", "<Shift><Control>d"},
        {"app.back", "<Control>bracketleft"},
        {"app.forward", "<Control>bracketright"},
        {"app.reload", "<Control>r"},
        {"app.open-in-browser", "<Shift><Control>o"}};
    for (const auto& [action, accelerator] : shortcuts) {
      const auto accels = application.get_accels_for_action(action);
      ASSERT_EQ(accels.size(), 1u) << action;
      EXPECT_EQ(accels.front().raw(), accelerator) << action;
    }
    for (const char* action : {"open-connectors", "open-browser", "open-voice"}) {
      EXPECT_TRUE(application.has_action(action)) << action;
    }
    EXPECT_FALSE(application.get_action_enabled("back"));
    EXPECT_FALSE(application.get_action_enabled("forward"));
    screenshot("main-window-home");
  });
}

TEST_F(MainWindowTest, MenuActionsSwitchTheShownScreen) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    model.account.workspaceSessionState.set(
        WorkspaceSessionState::authenticated({"u1", "Ada", "ada@example.com", "email"}));
    Gtk::Stack& content = window.shell().content().screens();
    EXPECT_EQ(content.get_visible_child_name(), "home");

    application.activate_action("open-connectors");
    EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::connectors());
    EXPECT_EQ(model.navigation.currentURLString.get(), "velmora://connectors");
    EXPECT_EQ(content.get_visible_child_name(), "connectors");
    Gtk::Widget* connectors = findNamed(window, "screen.connectors");
    ASSERT_NE(connectors, nullptr);
    EXPECT_TRUE(waitUntil([&] { return connectors->get_mapped(); }));

    application.activate_action("open-agent-workspace");
    // The agent route re-checks the session, which fails without a service; confirm the
    // account again to look at the surface.
    EXPECT_TRUE(waitUntil([&] {
      return model.account.workspaceSessionState.get().kind() ==
                 WorkspaceSessionState::Kind::unavailable &&
             !model.account.isWorkspaceSessionRefreshInFlight;
    }));
    model.account.workspaceSessionState.set(
        WorkspaceSessionState::authenticated({"u1", "Ada", "ada@example.com", "email"}));
    EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::agent());
    EXPECT_EQ(content.get_visible_child_name(), "surface");
    EXPECT_TRUE(model.isShowingDesktopChat());
    // The title follows once the surface has loaded its page.
    EXPECT_TRUE(waitUntil([&] { return model.navigation.title.get() == "Ondi"; }))
        << model.navigation.title.get();
    screenshot("main-window-agent");
  });
}

// Closing the main window beside another window of the application hides it; activating the
// application shows the same window again, with the surface and its page.
TEST_F(MainWindowTest, ActivationBringsBackAMainWindowClosedBesideSettings) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    model.load(VelmoraRoute::agent());
    // The page's title shows once its document has replaced the pending request.
    ASSERT_TRUE(waitUntil([&] { return !model.surfaceWebView().title().empty(); }));
    const std::string page = model.surfaceWebView().url();
    Gtk::Widget* content = window.get_child();

    // Settings closed once and opened again is still a window of the application.
    Gtk::Window& settings = application.settingsWindow();
    application.activate_action("settings");
    ASSERT_TRUE(waitUntil([&] { return settings.get_mapped(); }));
    settings.close();
    ASSERT_TRUE(waitUntil([&] { return !settings.get_visible(); }));
    application.activate_action("settings");
    ASSERT_TRUE(waitUntil([&] { return settings.get_mapped(); }));

    window.close();
    ASSERT_TRUE(waitUntil([&] { return !window.get_mapped(); }));
    EXPECT_EQ(application.get_windows(), std::vector<Gtk::Window*>{&settings});

    for (int reopen = 0; reopen < 2; ++reopen) {
      application.activate();
      ASSERT_TRUE(waitUntil([&] { return window.get_mapped(); }, 3000)) << "reopen " << reopen;
      EXPECT_EQ(window.get_child(), content);
      EXPECT_EQ(model.surfaceWebView().url(), page);
      window.close();
      ASSERT_TRUE(waitUntil([&] { return !window.get_mapped(); }));
    }
    settings.close();
  });
}

// With no other window open, closing the main window leaves the application without windows,
// so the program ends.
TEST_F(MainWindowTest, ClosingTheOnlyWindowEndsTheApplication) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel&) {
    ui::MainWindow& window = *application.mainWindow();
    ASSERT_EQ(application.get_windows(), std::vector<Gtk::Window*>{&window});
    window.close();
    EXPECT_TRUE(waitUntil([&] { return application.get_windows().empty(); }));
  });
}

}  // namespace
