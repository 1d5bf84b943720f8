#include <gtest/gtest.h>

#include <gtkmm/button.h>
#include <gtkmm/label.h>

#include <algorithm>
#include <memory>

#include "ApplicationTest.h"
#include "OndiServerProcess.h"
#include "core/account/DesktopPreferencesController.h"
#include "core/browser/BrowserTabs.h"
#include "core/monitor/BrowserbaseLiveView.h"
#include "core/monitor/DaytonaMonitorStore.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/ports/WebView.h"
#include "core/shell/ShellController.h"
#include "core/theme/VelmoraTheme.h"
#include "ui/app/MainWindow.h"

using namespace ondi;

namespace {

// Pages of the stand-in and of its runner load slowly on a busy machine.
constexpr int kPageWait = 30000;

bool isBound(const BrowserTabSession& session) {
  return session.managedWorkflowID.has_value();
}

constexpr const char* kDemoTitle = "Gmail → LinkedIn → Apple.com (closed) → Linear";

// The application signed in to a real ondi-server, whose browser runner serves the guest
// demo's control page on the server's own origin.
class MonitorScreenTest : public ApplicationTest {
 protected:
  MonitorScreenTest() { g_setenv("VELMORA_API_BASE_URL", server.baseURL().c_str(), TRUE); }

  static std::string text(Gtk::Widget& root, const std::string& name) {
    auto* label = findNamed<Gtk::Label>(root, name);
    return label ? label->get_text().raw() : "";
  }

  // Waits until the monitor under `root` shows the demo's runner page, loaded.
  void waitForDemoLive(Gtk::Widget& root, DesktopBrowserModel& model) {
    ASSERT_TRUE(waitUntil([&] { return text(root, "monitor.run-title") == kDemoTitle; }));
    EXPECT_EQ(text(root, "monitor.page-label"), "Guest browser demo · no login");
    ASSERT_TRUE(waitUntil(
        [&] {
          const WebView* view = model.liveView().webView();
          return text(root, "shell.status-badge.text") == "LIVE" && view && !view->isLoading() &&
                 view->url().starts_with(server.baseURL() + "/v1/sessions/") &&
                 !view->title().empty();
        },
        kPageWait));
    EXPECT_TRUE(model.liveView().isPersistent());
    Gtk::Widget* view = findNamed(root, "monitor.web-view");
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(waitUntil([&] { return view->get_mapped(); }));
  }

  // Waits until the live view's page has drawn two frames; pages draw only while on screen.
  static bool waitForLiveViewPaint(DesktopBrowserModel& model) {
    WebView& view = *model.liveView().webView();
    view.evaluateJavaScript(
        "requestAnimationFrame(() => requestAnimationFrame(() => { window.painted = true; })); 0");
    // Answers may come after the wait: they write to a flag that outlives it.
    const auto painted = std::make_shared<bool>(false);
    return waitUntil([&] {
      view.evaluateJavaScript("window.painted === true", [painted](ScriptResult result) {
        *painted = result && *result == "true";
      });
      return *painted && waitForPaint();
    });
  }

  OndiServerProcess server;
};

TEST_F(MonitorScreenTest, TheDemoRunsLiveInTheInspectorWhichPollsOnlyWhileShown) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ASSERT_TRUE(signUp(model));
    ui::MainWindow& window = *application.mainWindow();
    Gtk::Widget& inspector = *findNamed(window, "shell.inspector");
    ASSERT_TRUE(waitUntil([&] {
      return text(inspector, "monitor.empty-state") ==
             "Start a cloud-agent run and its live browser will appear here.";
    }));
    EXPECT_EQ(text(inspector, "shell.status-badge.text"), "READY");
    EXPECT_TRUE(isShown(*findNamed(inspector, "monitor.run-demo")));
    EXPECT_FALSE(isShown(*findNamed(inspector, "monitor.control")));

    // The command hides nothing: with the inspector switched off, it shows it first.
    model.shell().setShowInspector(false);
    ASSERT_TRUE(waitUntil([&] { return !model.monitor().isMonitorShown(); }));
    application.activate_action("run-live-browser-demo");
    ASSERT_TRUE(waitUntil([&] { return model.monitor().isMonitorShown(); }));
    waitForDemoLive(inspector, model);
    EXPECT_FALSE(isShown(*findNamed(inspector, "monitor.run-demo")));
    EXPECT_TRUE(isShown(*findNamed(inspector, "monitor.refresh")));
    EXPECT_TRUE(waitForLiveViewPaint(model));
    screenshot("monitor-demo-studio");

    // Hidden, the monitor makes no rounds; shown again, it starts one at once.
    model.monitor().followWorkflow("unlisted-run");
    ASSERT_TRUE(waitUntil([&] {
      return text(inspector, "monitor.empty-state") ==
             "Start a cloud-agent run and its live browser will appear here.";
    }));
    click(*findNamed(window, "shell.inspector-toggle"));
    ASSERT_TRUE(waitUntil([&] { return !model.monitor().isMonitorShown(); }));
    ASSERT_TRUE(waitUntil([&] { return !model.monitor().isRequestInFlight(); }));
    model.monitor().refresh(false);
    EXPECT_FALSE(model.monitor().isRequestInFlight());
    std::optional<bool> roundAtShowing;
    findNamed(inspector, "monitor")->signal_map().connect([&] {
      roundAtShowing = model.monitor().isRequestInFlight();
    });
    click(*findNamed(window, "shell.inspector-toggle"));
    ASSERT_TRUE(waitUntil([&] { return roundAtShowing.has_value(); }));
    EXPECT_TRUE(*roundAtShowing);
  });
}

TEST_F(MonitorScreenTest, TheUnifiedLayoutShowsTheDemoInItsRightHandPane) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ASSERT_TRUE(signUp(model));
    model.preferences().update([](DesktopAccountPreferences& preferences) {
      preferences.interfaceStyle = rawValue(VelmoraTheme::unifiedWorkspace);
    });
    ui::MainWindow& window = *application.mainWindow();
    ASSERT_TRUE(waitUntil([&] { return findNamed(window, "shell.unified") != nullptr; }));
    Gtk::Widget& pane = *findNamed(window, "unified.monitor-pane");
    EXPECT_FALSE(isShown(pane));
    EXPECT_FALSE(model.monitor().isMonitorShown());

    application.activate_action("run-live-browser-demo");
    ASSERT_TRUE(isShown(pane));
    waitForDemoLive(pane, model);
    EXPECT_TRUE(waitForLiveViewPaint(model));
    screenshot("monitor-demo-unified");

    // The tools panel takes the pane's turn.
    click(*findNamed(window, "unified.tools"));
    EXPECT_FALSE(isShown(pane));
    EXPECT_TRUE(waitUntil([&] { return !model.monitor().isMonitorShown(); }));
  });
}

TEST_F(MonitorScreenTest, AMonitoredPromptHandsItsRunToTheMonitorWhichShowsItLive) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ASSERT_TRUE(signUp(model));
    model.load(VelmoraRoute::agent());
    const auto pageReady = [&] {
      return !model.surfaceWebView().isLoading() &&
             runScript(model,
                       "String(document.body.textContent.includes('ada@example.com') && "
                       "!document.getElementById('promptInput').disabled)") == "\"true\"";
    };
    // On a busy machine the page loaded at sign-up can miss the new account; loading it again
    // is what a user would do.
    if (!waitUntil(pageReady, 10000)) {
      model.load(VelmoraRoute::agent());
      ASSERT_TRUE(waitUntil(pageReady, kPageWait))
          << runScript(model, "document.body.innerText.slice(0, 400)");
    }
    runScript(model,
              "document.getElementById('promptInput').value = "
              "'use the browser to compare flights to Lisbon and show it in the live monitor';"
              "document.getElementById('composer').requestSubmit(); 'sent'");

    // The desktop action binds a tab to the workflow, and the monitor follows that run.
    ASSERT_TRUE(waitUntil(
        [&] {
          const auto& sessions = model.tabs.sessions();
          return std::ranges::any_of(sessions, isBound);
        },
        kPageWait));
    const auto& sessions = model.tabs.sessions();
    const auto bound = std::ranges::find_if(sessions, isBound);
    const std::string workflow = *bound->managedWorkflowID;
    EXPECT_EQ(model.monitor().followedWorkflowID.get(), workflow);

    Gtk::Widget& inspector = *findNamed(*application.mainWindow(), "shell.inspector");
    ASSERT_TRUE(waitUntil(
        [&] {
          const WebView* view = model.liveView().webView();
          return model.monitor().selectedRun.get() &&
                 model.monitor().selectedRun.get()->id == workflow && view && !view->isLoading() &&
                 view->url().starts_with(server.baseURL() + "/v1/sessions/") &&
                 text(inspector, "shell.status-badge.text") == "LIVE";
        },
        kPageWait));
    EXPECT_EQ(text(inspector, "monitor.run-title"),
              model.monitor().selectedRun.get()->input->objective.value_or(""));
    EXPECT_TRUE(isShown(*findNamed(inspector, "monitor.control")));
    EXPECT_TRUE(waitForLiveViewPaint(model));
    screenshot("monitor-managed-run");
  });
}

}  // namespace
