#include <gtest/gtest.h>

#include <giomm/menumodel.h>
#include <gtkmm/button.h>
#include <gtkmm/entry.h>
#include <gtkmm/image.h>
#include <gtkmm/menubutton.h>
#include <gtkmm/stack.h>

#include <vector>

#include "ApplicationTest.h"
#include "core/browser/BrowserTabs.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/ports/WebView.h"
#include "ui/app/MainWindow.h"

using namespace ondi;

namespace {

using BrowserWorkspaceTest = ApplicationTest;

// Pages that need no network: a data address, and a loopback port nobody listens on.
const std::string kFirstPage = "data:text/html,%3Ctitle%3EFirst%20page%3C/title%3Efirst";
const std::string kSecondPage = "data:text/html,%3Ctitle%3ESecond%20page%3C/title%3Esecond";
const std::string kUnreachable = "http://127.0.0.1:9/nothing";

// The tab pills the strip shows, in order.
std::vector<Gtk::Widget*> shownPills(Gtk::Widget& window) {
  std::vector<Gtk::Widget*> pills;
  Gtk::Widget* strip = findNamed(window, "browserTabPills");
  if (!strip) return pills;
  for (Gtk::Widget* pill = strip->get_first_child(); pill; pill = pill->get_next_sibling()) {
    if (pill->get_visible()) pills.push_back(pill);
  }
  return pills;
}

std::vector<std::string> pillTitles(Gtk::Widget& window) {
  std::vector<std::string> titles;
  for (Gtk::Widget* pill : shownPills(window)) {
    titles.push_back(findNamed<Gtk::Label>(*pill, "browserTabTitle")->get_text().raw());
  }
  return titles;
}

int selectedPillIndex(Gtk::Widget& window) {
  const auto pills = shownPills(window);
  int selected = -1;
  for (std::size_t index = 0; index < pills.size(); ++index) {
    if (pills[index]->has_css_class("selected")) {
      if (selected >= 0) return -2;
      selected = static_cast<int>(index);
    }
  }
  return selected;
}

std::string iconOf(Gtk::Widget& pill) {
  return findNamed<Gtk::Image>(pill, "browserTabSymbol")->get_icon_name();
}

// Signs in and opens the two test pages after the start-up Gmail tab; the second is selected.
void signInAndOpenTwoPages(DesktopBrowserModel& model) {
  model.account.workspaceSessionState.set(
      WorkspaceSessionState::authenticated({"u1", "Ada", "ada@example.com", "email"}));
  model.openInAppBrowserTab(kFirstPage, std::nullopt);
  model.openInAppBrowserTab(kSecondPage, std::nullopt);
}

TEST_F(BrowserWorkspaceTest, ToolbarControlsCarryTheirTextsAndOpenPages) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    model.account.workspaceSessionState.set(
        WorkspaceSessionState::authenticated({"u1", "Ada", "ada@example.com", "email"}));
    model.openInAppBrowserTab(kFirstPage, std::nullopt);
    auto* workspace = findNamed(window, "browserWorkspace");
    ASSERT_NE(workspace, nullptr);
    EXPECT_TRUE(isShown(*workspace));

    auto* address = findNamed<Gtk::Entry>(window, "browserAddressField");
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(address->get_placeholder_text(), "Search or enter website");
    EXPECT_EQ(address->get_icon_name(Gtk::Entry::IconPosition::PRIMARY), "system-search-symbolic");
    EXPECT_EQ(findNamed(window, "browserGoButton")->get_tooltip_text(), "Open address");
    ASSERT_NE(findNamed(window, "browserNewTabButton"), nullptr);
    EXPECT_NE(findLabel(*findNamed(window, "browserNewTabButton"), "New tab"), nullptr);
    EXPECT_EQ(firstLabelText(*findNamed(window, "browserGmailButton")), "Gmail");

    auto* menu = findNamed<Gtk::MenuButton>(window, "browserOpenElsewhereMenu");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->get_tooltip_text(), "Open in another browser");
    const auto items = menu->get_menu_model();
    ASSERT_EQ(items->get_n_items(), 2);
    std::vector<std::string> labels;
    for (int index = 0; index < 2; ++index) {
      const auto label = items->get_item_attribute(index, Gio::MenuModel::Attribute::LABEL,
                                                   Glib::VARIANT_TYPE_STRING);
      labels.push_back(Glib::VariantBase::cast_dynamic<Glib::Variant<Glib::ustring>>(label).get());
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"Safari", "Google Chrome"}));

    // A second page in the same tab gives it somewhere to go back to.
    ASSERT_TRUE(waitUntil([&] { return model.navigation.title.get() == "First page"; }));
    model.loadCurrentBrowserTab(kSecondPage, std::nullopt);
    ASSERT_TRUE(waitUntil([&] { return model.navigation.canGoBack.get(); }));
    EXPECT_TRUE(findNamed(window, "browserBackButton")->get_sensitive());
    EXPECT_FALSE(findNamed(window, "browserForwardButton")->get_sensitive());

    address->set_text("  " + kUnreachable + " ");
    pressEnter(*address);
    EXPECT_EQ(model.tabs.sessions().size(), 2u);
    EXPECT_EQ(model.tabs.selectedSession().requestedURL, kUnreachable);
    EXPECT_EQ(address->get_text().raw(), kUnreachable);
    // Text that opens nothing leaves the tab where it is.
    address->set_text("   ");
    click(*findNamed(window, "browserGoButton"));
    EXPECT_EQ(model.tabs.selectedSession().requestedURL, kUnreachable);

    click(*findNamed(window, "browserNewTabButton"));
    EXPECT_EQ(model.tabs.sessions().size(), 3u);
    EXPECT_EQ(model.tabs.selectedSession().requestedURL, "https://www.google.com/");
    model.closeBrowserTab(model.tabs.selectedSession().id);
  });
}

TEST_F(BrowserWorkspaceTest, PillsSelectCloseAndFollowTheTabs) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    signInAndOpenTwoPages(model);
    ASSERT_TRUE(waitUntil([&] {
      return pillTitles(window) == std::vector<std::string>{"Gmail", "First page", "Second page"};
    })) << testing::PrintToString(pillTitles(window));
    EXPECT_EQ(selectedPillIndex(window), 2);
    auto pills = shownPills(window);
    EXPECT_EQ(iconOf(*pills[0]), "mail-unread-symbolic");
    EXPECT_EQ(iconOf(*pills[1]), "web-browser-symbolic");
    EXPECT_EQ(findNamed(*pills[1], "browserTabCloseButton")->get_tooltip_text(), "Close tab");
    auto* page = findNamed<Gtk::Stack>(window, "browserPage");
    ASSERT_NE(page, nullptr);
    Gtk::Widget* secondView = page->get_visible_child();
    screenshot("browser-workspace-three-tabs");

    click(*findNamed(*pills[1], "browserTabSelectButton"));
    EXPECT_EQ(selectedPillIndex(window), 1);
    EXPECT_NE(page->get_visible_child(), secondView) << "the page shows the selected tab";
    auto* address = findNamed<Gtk::Entry>(window, "browserAddressField");
    EXPECT_TRUE(waitUntil([&] { return address->get_text().raw() == kFirstPage; }))
        << address->get_text().raw();

    // Closing the selected tab selects the one that slides into its place.
    click(*findNamed(*pills[1], "browserTabCloseButton"));
    EXPECT_EQ(pillTitles(window), (std::vector<std::string>{"Gmail", "Second page"}));
    EXPECT_EQ(selectedPillIndex(window), 1);
    EXPECT_EQ(page->get_visible_child(), secondView);

    pills = shownPills(window);
    click(*findNamed(*pills[0], "browserTabCloseButton"));
    EXPECT_EQ(pillTitles(window), (std::vector<std::string>{"Second page"}));
    click(*findNamed(*shownPills(window)[0], "browserTabCloseButton"));
    EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::agent());
    EXPECT_EQ(model.tabs.sessions().size(), 1u);
  });
}

TEST_F(BrowserWorkspaceTest, BackgroundTabsStayInTheWindowAndKeepNavigating) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    signInAndOpenTwoPages(model);
    const std::string firstID = model.tabs.sessions()[1].id;
    WebView& background = *model.tabs.sessions()[2].webView;
    model.selectBrowserTab(firstID);
    auto* page = findNamed<Gtk::Stack>(window, "browserPage");
    ASSERT_NE(page, nullptr);
    int pages = 0;
    for (Gtk::Widget* child = page->get_first_child(); child; child = child->get_next_sibling()) {
      ++pages;
    }
    EXPECT_EQ(pages, 3) << "every tab's page stays in the window";

    // A page that navigates on its own while its tab is in the background.
    for (const std::string& url : {kFirstPage, kSecondPage, kFirstPage}) {
      background.loadURL(url);
      ASSERT_TRUE(waitUntil([&] { return background.url() == url && !background.isLoading(); }));
    }
    EXPECT_EQ(model.tabs.selectedSession().id, firstID);
  });
}

// A refused request is said under the tab strip until the user dismisses it or closes a tab.
TEST_F(BrowserWorkspaceTest, ANoticeSaysWhyTheBrowserRefusedAPage) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    signInAndOpenTwoPages(model);
    auto* notice = findNamed(window, "browserNotice");
    ASSERT_NE(notice, nullptr);
    EXPECT_FALSE(isShown(*notice));

    model.tabs.notice.set("This page tried to open too many windows at once.");
    EXPECT_TRUE(isShown(*notice));
    EXPECT_NE(findLabel(*notice, "This page tried to open too many windows at once."), nullptr);
    auto* dismiss = findNamed<Gtk::Button>(*notice, "browserNoticeDismiss");
    ASSERT_NE(dismiss, nullptr);
    click(*dismiss);
    EXPECT_FALSE(isShown(*notice));
    EXPECT_EQ(model.tabs.notice.get(), std::nullopt);
  });
}

}  // namespace
