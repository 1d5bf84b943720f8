#include <gtest/gtest.h>

#include <gtkmm/iconpaintable.h>
#include <gtkmm/icontheme.h>
#include <gtkmm/listbox.h>
#include <gtkmm/searchentry.h>
#include <gtkmm/settings.h>
#include <gtkmm/stack.h>
#include <gtkmm/togglebutton.h>

#include "ApplicationTest.h"
#include "core/account/DesktopPreferencesController.h"
#include "core/browser/BrowserTabs.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/ports/WebView.h"
#include "core/shell/ShellController.h"
#include "core/shell/SidebarEntries.h"
#include "core/shell/SymbolIcons.h"
#include "core/theme/VelmoraTheme.h"
#include "core/voice/HuddleController.h"
#include "ui/app/MainWindow.h"
#include "ui/shell/RoutedContent.h"

using namespace ondi;

namespace {

using NavigationShellTest = ApplicationTest;

const WorkspaceSessionState kSignedIn =
    WorkspaceSessionState::authenticated({"u1", "Ada Lovelace", "ada@example.com", "email"});

// The route's own session check fails without a service; confirm the account once it has.
void confirmAccount(DesktopBrowserModel& model) {
  ASSERT_TRUE(waitUntil([&] { return !model.account.isWorkspaceSessionRefreshInFlight; }));
  model.account.workspaceSessionState.set(kSignedIn);
}

// The page filling the content: the browser alone, or a page of the screens' stack.
std::string shownPage(ui::MainWindow& window) {
  Gtk::Stack& screens = window.shell().content().screens();
  return screens.get_visible() ? std::string(screens.get_visible_child_name()) : "browser";
}

void useTheme(DesktopBrowserModel& model, VelmoraTheme theme) {
  model.preferences().update([&](DesktopAccountPreferences& preferences) {
    preferences.interfaceStyle = rawValue(theme);
  });
}

TEST_F(NavigationShellTest, EverySidebarEntryReachesItsScreen) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    model.account.workspaceSessionState.set(kSignedIn);
    const std::map<std::string, std::string> pages{
        {"Home", "home"},       {"Agent", "surface"},   {"Connectors", "connectors"},
        {"Skills", "skills"},   {"Browser", "browser"}, {"Voice", "surface"},
        {"Billing", "billing"}, {"Support", "support"},
    };
    for (const SidebarEntry& entry : sidebarEntries()) {
      SCOPED_TRACE(entry.title);
      auto* row = findNamed<Gtk::ListBoxRow>(window, entry.identifier);
      ASSERT_NE(row, nullptr);
      EXPECT_TRUE(isShown(*row));
      EXPECT_TRUE(row->get_focusable());
      row->activate();
      if (!entry.route) {
        EXPECT_TRUE(model.shell().isMessagingPresented.get());
        Gtk::Window* sheet = nullptr;
        for (Gtk::Window* shown : Gtk::Window::list_toplevels()) {
          if (shown->get_name() == "messaging-sheet") sheet = shown;
        }
        ASSERT_NE(sheet, nullptr);
        EXPECT_TRUE(waitUntil([&] { return sheet->get_mapped(); }));
        EXPECT_TRUE(findLabel(*sheet, "iMessage, SMS, and WhatsApp"));
        screenshot("shell-messaging-sheet");
        click(*findNamed(*sheet, "messaging-sheet.cancel"));
        EXPECT_FALSE(model.shell().isMessagingPresented.get());
        EXPECT_TRUE(waitUntil([&] { return !sheet->get_visible(); }));
        continue;
      }
      EXPECT_EQ(model.navigation.activeRoute.get(), *entry.route);
      if (entry.route->kind() == VelmoraRoute::Kind::agent) confirmAccount(model);
      EXPECT_EQ(shownPage(window), pages.at(entry.title));
      EXPECT_TRUE(row->has_css_class("current"));
      if (entry.title == "Skills") {
        Gtk::Widget* screen = findNamed(window, "screen.skills");
        ASSERT_NE(screen, nullptr);
        EXPECT_TRUE(isShown(*screen));
        EXPECT_TRUE(findLabel(*screen,
                              "Reusable playbooks for repeatable work, preferred tools, "
                              "and approval boundaries."));
        screenshot("shell-studio-skills");
      }
    }
  });
}

TEST_F(NavigationShellTest, ControlDigitsChooseTheSidebarEntriesInOrder) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    model.account.workspaceSessionState.set(kSignedIn);
    const auto& entries = sidebarEntries();
    for (std::size_t index = 0; index < entries.size(); ++index) {
      SCOPED_TRACE(entries[index].title);
      const std::string number = std::to_string(index + 1);
      const std::string action = "app.select-sidebar-entry(" + number + ")";
      const auto accels = application.get_accels_for_action(action);
      ASSERT_EQ(accels.size(), 1u);
      EXPECT_EQ(accels.front().raw(), "<Control>" + number);
      application.activate_action("select-sidebar-entry",
                                  Glib::Variant<int>::create(static_cast<int>(index + 1)));
      if (entries[index].route) {
        EXPECT_EQ(model.navigation.activeRoute.get(), *entries[index].route);
      } else {
        EXPECT_TRUE(model.shell().isMessagingPresented.get());
        model.shell().isMessagingPresented.set(false);
      }
    }
    ASSERT_TRUE(waitUntil([&] { return !model.account.isWorkspaceSessionRefreshInFlight; }));
  });
}

TEST_F(NavigationShellTest, SidebarFiltersAndMovesBetweenEntriesWithTheArrowKeys) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel&) {
    ui::MainWindow& window = *application.mainWindow();
    auto* search = findNamed<Gtk::SearchEntry>(window, "sidebar.search");
    auto* list = findNamed<Gtk::ListBox>(window, "sidebar.entries");
    ASSERT_TRUE(search && list);
    const auto shownTitles = [&] {
      std::vector<std::string> titles;
      for (const SidebarEntry& entry : sidebarEntries()) {
        if (findNamed(*list, entry.identifier)->get_visible()) titles.push_back(entry.title);
      }
      return titles;
    };
    search->set_text("  PLAYBOOKS ");
    EXPECT_EQ(shownTitles(), std::vector<std::string>{"Skills"});
    search->set_text("");
    EXPECT_EQ(shownTitles().size(), 9u);

    // The Down key moves the focus from each entry to the next, through all nine.
    findNamed(*list, "sidebar.home")->grab_focus();
    std::vector<std::string> reached;
    for (int step = 0; step < 9; ++step) {
      reached.push_back(window.get_focus()->get_name());
      g_signal_emit_by_name(list->gobj(), "move-cursor", GTK_MOVEMENT_DISPLAY_LINES, 1, FALSE,
                            FALSE);
    }
    std::vector<std::string> identifiers;
    for (const SidebarEntry& entry : sidebarEntries()) identifiers.push_back(entry.identifier);
    EXPECT_EQ(reached, identifiers);

    // Every symbol has an icon in the desktop's icon theme.
    auto icons = Gtk::IconTheme::get_for_display(window.get_display());
    for (const SidebarEntry& entry : sidebarEntries()) {
      EXPECT_TRUE(icons->has_icon(iconName(entry.symbol))) << iconName(entry.symbol);
    }
    EXPECT_FALSE(Gtk::Settings::get_for_display(window.get_display())
                     ->property_gtk_application_prefer_dark_theme()
                     .get_value());
  });
}

TEST_F(NavigationShellTest, WhileCheckingTheGateStandsAndTheAgentBadgeSaysConnecting) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    model.load(VelmoraRoute::agent());
    ASSERT_TRUE(waitUntil([&] { return !model.account.isWorkspaceSessionRefreshInFlight; }));
    auto* badge = findNamed<Gtk::Label>(window, "shell.status-badge.text");
    ASSERT_NE(badge, nullptr);
    EXPECT_EQ(badge->get_text(), "OFFLINE");

    model.account.workspaceSessionState.set(WorkspaceSessionState::checking());
    EXPECT_EQ(badge->get_text(), "CONNECTING");
    EXPECT_EQ(window.shell().content().shownScreen(), ShellScreen::accountGate);
    EXPECT_EQ(shownPage(window), "gate");
    Gtk::Widget* checking = findNamed(window, "account-checking-gate");
    ASSERT_NE(checking, nullptr);
    EXPECT_TRUE(isShown(*checking));
    screenshot("shell-checking-gate");

    model.account.workspaceSessionState.set(kSignedIn);
    EXPECT_EQ(badge->get_text(), "READY");
    EXPECT_EQ(shownPage(window), "surface");
    // The voice route shows the huddle's signal, whatever its access check has answered.
    model.load(VelmoraRoute::voice());
    EXPECT_EQ(std::string(badge->get_text()),
              badgeText(voiceSignal(model.huddle().callState().get())));
    model.shell().signals.voice.set(DesktopSurfaceSignal::live);
    EXPECT_EQ(badge->get_text(), "LIVE");
    confirmAccount(model);
  });
}

// Switching between the unified and studio layouts moves the routed content, with the
// surface's and the tabs' web views, into the new layout; no view is made again or lost, and
// the studio comes back with the sidebar and the inspector as they were.
TEST_F(NavigationShellTest, ThemeSwitchKeepsTheWebViewsAndTheSidebarAndInspectorChoices) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    model.account.workspaceSessionState.set(kSignedIn);
    model.load(VelmoraRoute::agent());
    confirmAccount(model);
    ASSERT_TRUE(waitUntil([&] { return !model.surfaceWebView().title().empty(); }));
    const std::string page = model.surfaceWebView().url();

    std::vector<GObject*> views{G_OBJECT(model.surfaceWebView().nativeWidget())};
    for (const auto& session : model.tabs.sessions()) {
      views.push_back(G_OBJECT(session.webView->nativeWidget()));
    }
    std::vector<char> finalized(views.size(), false);
    const auto markFinalized = [](gpointer flag, GObject*) { *static_cast<char*>(flag) = true; };
    for (std::size_t index = 0; index < views.size(); ++index) {
      g_object_weak_ref(views[index], markFinalized, &finalized[index]);
    }
    ui::RoutedContent* content = &window.shell().content();

    auto* inspectorSwitch = findNamed<Gtk::ToggleButton>(window, "shell.inspector-toggle");
    ASSERT_NE(inspectorSwitch, nullptr);
    EXPECT_TRUE(isShown(*findNamed(window, "shell.inspector")));
    inspectorSwitch->set_active(false);
    EXPECT_FALSE(findNamed(window, "shell.inspector")->get_visible());
    auto* sidebarSwitch = findNamed<Gtk::ToggleButton>(window, "shell.sidebar-toggle");
    ASSERT_NE(sidebarSwitch, nullptr);
    EXPECT_TRUE(sidebarSwitch->get_active());
    EXPECT_TRUE(isShown(*findNamed(window, "shell.sidebar")));
    sidebarSwitch->set_active(false);
    EXPECT_FALSE(findNamed(window, "shell.sidebar")->get_visible());

    useTheme(model, VelmoraTheme::unifiedWorkspace);
    EXPECT_EQ(findNamed(window, "shell.sidebar"), nullptr);
    EXPECT_EQ(findNamed(window, "shell.inspector"), nullptr);
    ASSERT_NE(findNamed(window, "shell.unified"), nullptr);
    EXPECT_TRUE(content->is_ancestor(*findNamed(window, "shell.unified")));
    // Saving the theme to the unreachable service checks the session again.
    confirmAccount(model);
    EXPECT_TRUE(waitUntil([&] { return content->screens().get_visible_child()->get_mapped(); }));
    screenshot("shell-unified-agent");

    useTheme(model, VelmoraTheme::porcelainAir);
    ASSERT_NE(findNamed(window, "shell.sidebar"), nullptr);
    EXPECT_FALSE(findNamed(window, "shell.sidebar")->get_visible());
    EXPECT_FALSE(findNamed<Gtk::ToggleButton>(window, "shell.sidebar-toggle")->get_active());
    findNamed<Gtk::ToggleButton>(window, "shell.sidebar-toggle")->set_active(true);
    EXPECT_TRUE(findNamed(window, "shell.sidebar")->get_visible());
    EXPECT_TRUE(model.shell().sidebarVisible.get());
    EXPECT_FALSE(findNamed(window, "shell.inspector")->get_visible());
    EXPECT_FALSE(findNamed<Gtk::ToggleButton>(window, "shell.inspector-toggle")->get_active());
    findNamed<Gtk::ToggleButton>(window, "shell.inspector-toggle")->set_active(true);
    EXPECT_TRUE(findNamed(window, "shell.inspector")->get_visible());
    EXPECT_TRUE(model.shell().showInspector().get());

    EXPECT_EQ(&window.shell().content(), content);
    confirmAccount(model);
    EXPECT_TRUE(Glib::wrap(GTK_WIDGET(views.front()))
                    ->is_ancestor(*content->screens().get_visible_child()));
    EXPECT_TRUE(waitUntil([&] { return content->screens().get_visible_child()->get_mapped(); }));
    EXPECT_EQ(model.surfaceWebView().url(), page);
    for (std::size_t index = 0; index < views.size(); ++index) {
      EXPECT_FALSE(finalized[index]) << "web view " << index;
      if (!finalized[index]) g_object_weak_unref(views[index], markFinalized, &finalized[index]);
    }
    screenshot("shell-studio-agent");
  });
}

// The smallest window has no room for the inspector beside a screen: the column gives way while
// the choice to show it stays, and comes back once the sidebar is hidden or the window widens.
TEST_F(NavigationShellTest, InspectorGivesWayInTheSmallestWindowAndComesBackWithRoom) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    model.account.workspaceSessionState.set(kSignedIn);
    model.load(VelmoraRoute::connectors());
    confirmAccount(model);
    Gtk::Widget* inspector = findNamed(window, "shell.inspector");
    ASSERT_NE(inspector, nullptr);
    const auto inspectorDrawn = [&] { return inspector->get_mapped(); };

    window.set_default_size(1080, 720);
    EXPECT_TRUE(waitUntil([&] { return !inspectorDrawn(); }));
    EXPECT_TRUE(inspector->get_visible());
    EXPECT_TRUE(findNamed<Gtk::ToggleButton>(window, "shell.inspector-toggle")->get_active());
    EXPECT_TRUE(model.shell().showInspector().get());
    screenshot("shell-studio-1080-connectors");

    model.shell().sidebarVisible.set(false);
    EXPECT_TRUE(waitUntil(inspectorDrawn));
    screenshot("shell-studio-1080-without-sidebar");
    model.shell().sidebarVisible.set(true);
    EXPECT_TRUE(waitUntil([&] { return !inspectorDrawn(); }));

    window.set_default_size(1480, 900);
    EXPECT_TRUE(waitUntil(inspectorDrawn));
    EXPECT_GE(inspector->get_width(), 200);
  });
}

TEST_F(NavigationShellTest, RecentListShowsSavedThreadsAndStartsOrReopensChats) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    model.account.workspaceSessionState.set(kSignedIn);
    Gtk::Widget* empty = findNamed(window, "sidebar.recent.empty");
    ASSERT_NE(empty, nullptr);
    EXPECT_TRUE(isShown(*empty));

    model.applyConversationThreadSnapshot(nlohmann::json{
        {"activeThreadId", "t-2"},
        {"threads",
         {{{"id", "t-1"}, {"title", "Quarterly plan"}, {"preview", "Draft the outline"}},
          {{"id", "t-2"}, {"title", "Vendor follow-up"}, {"preview", ""}}}}});
    ASSERT_TRUE(waitUntil([&] { return findNamed(window, "sidebar.recent.thread.t-2"); }));
    EXPECT_FALSE(empty->get_visible());
    Gtk::Widget* first = findNamed(window, "sidebar.recent.thread.t-1");
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(findLabel(*first, "Quarterly plan"));
    EXPECT_TRUE(findLabel(*first, "Draft the outline"));
    EXPECT_TRUE(findNamed(window, "sidebar.recent.thread.t-2")->has_css_class("current"));
    screenshot("shell-recent-threads");

    click(*first);
    EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::agent());
    confirmAccount(model);

    model.load(VelmoraRoute::support());
    click(*findNamed(window, "sidebar.new-chat"));
    EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::agent());
    confirmAccount(model);

    model.account.conversationThreads.set({});
    EXPECT_TRUE(empty->get_visible());
    EXPECT_EQ(findNamed(window, "sidebar.recent.thread.t-1"), nullptr);
  });
}

}  // namespace
