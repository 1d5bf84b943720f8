#include <gtest/gtest.h>

#include <gtkmm/button.h>
#include <gtkmm/label.h>
#include <gtkmm/listboxrow.h>
#include <gtkmm/searchentry.h>

#include <optional>

#include "ApplicationTest.h"
#include "OndiServerProcess.h"
#include "core/account/DesktopPreferencesController.h"
#include "core/browser/BrowserTabs.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/ports/WebView.h"
#include "core/theme/VelmoraTheme.h"
#include "core/workspace/WorkspaceStore.h"
#include "ui/app/MainWindow.h"

using namespace ondi;

namespace {

// The application against a real ondi-server, whose stand-in broker lists 32 apps and serves
// their authorization pages over HTTPS with a certificate of its own.
class ConnectorsScreenTest : public ApplicationTest {
 protected:
  ConnectorsScreenTest() {
    g_setenv("VELMORA_API_BASE_URL", server.baseURL().c_str(), TRUE);
    g_setenv("ONDI_DEV_CERTIFICATE", server.certificateFile().c_str(), TRUE);
    g_setenv("ONDI_DEV_CERTIFICATE_HOST", "127.0.0.1", TRUE);
  }
  ~ConnectorsScreenTest() override {
    g_unsetenv("ONDI_DEV_CERTIFICATE");
    g_unsetenv("ONDI_DEV_CERTIFICATE_HOST");
  }

  // Signs up through the model and opens the connectors screen, then waits for its refresh.
  void openConnectors(DesktopBrowserModel& model) {
    ASSERT_TRUE(signUp(model));
    model.load(VelmoraRoute::connectors());
    ASSERT_TRUE(waitUntil([&] { return detail(model) == "0 of 32 accounts connected."; }));
  }

  static const std::string& detail(DesktopBrowserModel& model) {
    return model.workspace().connectorServiceDetail.get();
  }

  static std::string text(Gtk::Widget& root, const std::string& name) {
    auto* label = findNamed<Gtk::Label>(root, name);
    return label ? label->get_text().raw() : "";
  }

  static Gtk::Window* toplevel(const std::string& name) {
    for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
      if (window->get_name().raw() == name) return window;
    }
    return nullptr;
  }

  OndiServerProcess server;
};

TEST_F(ConnectorsScreenTest, ShowsTheServicesAppsAndTheirDetailsAndNarrowsTheList) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    openConnectors(model);
    ui::MainWindow& window = *application.mainWindow();
    Gtk::Widget* screen = findNamed(window, "screen.connectors");
    ASSERT_TRUE(screen && isShown(*screen));
    EXPECT_EQ(text(*screen, "connectors.status"), "0 of 32 accounts connected.");
    EXPECT_EQ(text(*screen, "connectors.row.gmail.status"), "Read and draft email · Not connected");
    EXPECT_TRUE(findNamed(*screen, "connectors.featured.github"));
    screenshot("connectors-screen");

    auto* row = findNamed<Gtk::ListBoxRow>(*screen, "connectors.row.github");
    ASSERT_NE(row, nullptr);
    row->activate_action("connector.details");
    Gtk::Window* details = toplevel("connector-details");
    ASSERT_NE(details, nullptr);
    ASSERT_TRUE(waitUntil([&] { return details->get_mapped(); }));
    EXPECT_EQ(text(*details, "connector-details.name"), "GitHub");
    EXPECT_EQ(text(*details, "connector-details.status.value"), "Not connected");
    EXPECT_EQ(text(*details, "connector-details.category.value"), "Development");
    EXPECT_EQ(text(*details, "connector-details.access.value"), "Ask first");
    EXPECT_EQ(findNamed<Gtk::Button>(*details, "connector-details.toggle")->get_label(), "Connect");
    screenshot("connectors-details");
    click(*findNamed(*details, "connector-details.close"));
    EXPECT_TRUE(waitUntil([&] { return !details->get_visible(); }));

    // A search with no match, cleared from the empty state.
    auto* search = findNamed<Gtk::SearchEntry>(*screen, "connectors.search");
    search->set_text("zapier");
    ASSERT_TRUE(waitUntil([&] { return findNamed(*screen, "connectors.empty") != nullptr; }));
    EXPECT_EQ(text(*screen, "connectors.empty.message"),
              "No connectors match \u201czapier\u201d. Try another name or clear the search.");
    click(*findNamed(*screen, "connectors.empty.action"));
    ASSERT_TRUE(waitUntil([&] { return findNamed(*screen, "connectors.row.gmail") != nullptr; }));
    EXPECT_EQ(search->get_text(), "");

    // Nothing is connected yet, so the connected filter lists nothing until it is reset.
    click(*findNamed(*screen, "connectors.filter.connected"));
    ASSERT_NE(findNamed(*screen, "connectors.empty"), nullptr);
    EXPECT_EQ(text(*screen, "connectors.empty.message"),
              "No connectors match the selected scope and filter.");
    click(*findNamed(*screen, "connectors.empty.action"));
    ASSERT_TRUE(waitUntil([&] { return findNamed(*screen, "connectors.row.gmail") != nullptr; }));

    // A theme change rebuilds the layout around the same screen.
    for (VelmoraTheme theme : kAllThemes) {
      SCOPED_TRACE(rawValue(theme));
      model.preferences().update([&](DesktopAccountPreferences& preferences) {
        preferences.interfaceStyle = rawValue(theme);
      });
      ASSERT_TRUE(waitUntil([&] { return isShown(*screen) && screen->get_mapped(); }));
      screenshot("connectors-" + rawValue(theme));
    }
    EXPECT_TRUE(waitUntil([&] { return !model.workspace().isRefreshingConnectors.get(); }));
  });
}

TEST_F(ConnectorsScreenTest, AnAppAuthorizedInItsTabReadsConnectedOnComingBack) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    openConnectors(model);
    Gtk::Widget* screen = findNamed(*application.mainWindow(), "screen.connectors");
    ASSERT_NE(screen, nullptr);
    click(*findNamed(*screen, "connectors.row.gmail.action"));
    ASSERT_TRUE(waitUntil(
        [&] { return detail(model) == "Finish Gmail authorization in the opened tab."; }));
    EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::browserWorkspace());
    WebView& tab = *model.tabs.selectedSession().webView;
    ASSERT_TRUE(
        waitUntil([&] { return !tab.isLoading() && tab.title() == "Connect Gmail"; }, 15000));
    tab.evaluateJavaScript("document.getElementById('allow').click(); 0", [](ScriptResult) {});
    ASSERT_TRUE(waitUntil([&] { return tab.title() == "Gmail connected"; }));

    model.load(VelmoraRoute::connectors());
    ASSERT_TRUE(waitUntil([&] { return detail(model) == "1 of 32 accounts connected."; }));
    ASSERT_TRUE(waitUntil([&] {
      return text(*screen, "connectors.row.gmail.status") == "Read and draft email · Connected";
    }));
    EXPECT_EQ(findNamed<Gtk::Button>(*screen, "connectors.row.gmail.action")->get_label(),
              "Manage");
    screenshot("connectors-connected");

    // The add sheet offers the apps still to connect.
    click(*findNamed(*screen, "connectors.add"));
    Gtk::Window* sheet = toplevel("add-connector");
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(waitUntil([&] { return sheet->get_mapped(); }));
    EXPECT_EQ(findNamed(*sheet, "add-connector.row.gmail"), nullptr);
    EXPECT_NE(findNamed(*sheet, "add-connector.row.slack"), nullptr);
    screenshot("connectors-add-sheet");
    click(*findNamed(*sheet, "add-connector.close"));
    EXPECT_TRUE(waitUntil([&] { return !sheet->get_visible(); }));
  });
}

}  // namespace
