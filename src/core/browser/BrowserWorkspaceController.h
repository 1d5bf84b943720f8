#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/actions/DesktopActionHost.h"
#include "core/browser/BrowserTabNavigation.h"
#include "core/browser/BrowserTabs.h"
#include "core/published/Published.h"

namespace ondi {

class Clock;
class Logger;
class MicrophonePolicy;
class RouteNavigation;
class SystemServices;
class WebViewFactory;

// The in-app browser: its tabs, their navigation policy, and what pages and the agent ask of
// it. The workspace route is shown through `RouteNavigation`, which it never bypasses.
class BrowserWorkspaceController final : public BrowserTabNavigation::Client,
                                         public DesktopActionHost {
 public:
  struct Dependencies {
    WebViewFactory& webViews;
    SystemServices& system;
    MicrophonePolicy& microphone;
    const Clock& clock;
    Logger& logger;
    RouteNavigation& navigation;
    // The base address of managed cloud-browser workflows' control pages.
    std::function<std::string()> managedBrowserBaseURL;
  };

  explicit BrowserWorkspaceController(Dependencies dependencies);
  ~BrowserWorkspaceController() override;
  BrowserWorkspaceController(const BrowserWorkspaceController&) = delete;
  BrowserWorkspaceController& operator=(const BrowserWorkspaceController&) = delete;

  BrowserTabs tabs;
  // The cloud-browser workflow the run monitor is asked to follow.
  Published<std::optional<std::string>> requestedMonitoredWorkflowID;

  // Shows the workspace: the selected tab, loading Gmail into it when it never loaded.
  void show();
  // Opens `url` in a new tab and shows it; false, with the reason in `tabs.notice`, when the
  // browser has as many tabs as it keeps.
  bool openInAppBrowserTab(const std::string& url, std::optional<std::string> title) override;
  void loadCurrentBrowserTab(const std::string& url, std::optional<std::string> title);
  void selectBrowserTab(const std::string& id);
  // Opens what the address bar holds in the selected tab; text that gives no address does
  // nothing.
  void loadBrowserAddress(const std::string& text);
  // Closes a tab; the only tab is kept and the workspace gives way to the agent.
  void closeBrowserTab(const std::string& id);
  DesktopActionResult closeSelectedInAppBrowserTab() override;
  // "previous" goes one tab back, anything else one forward, wrapping around at both ends.
  DesktopActionResult switchInAppBrowserTab(const std::string& direction) override;
  // Shows a managed cloud-browser workflow's control page in the tab bound to it and asks the
  // run monitor to follow it; false when the id or the control page is not valid.
  bool openManagedBrowserWorkflow(const std::string& workflowID, const std::string& title) override;

  WebView& selectedWebView() { return *tabs.selectedSession().webView; }
  // The web view of tab `id` after refreshing what its strip shows; none when it is gone.
  const WebView* refreshTab(const std::string& id);

  void openInAppBrowserTab(const std::string& url) override { openInAppBrowserTab(url, {}); }
  void updateState(const WebView* view) override;
  void webViewDidFinishLoading(const WebView& view) override;
  void showBrowserNotice(const std::string& text) override { tabs.notice.set(text); }

 private:
  void showSelectedBrowserTab();
  // Loads `url` into the selected tab and shows the workspace.
  void loadSelected(const std::string& url);
  BrowserTabSession makeBrowserSession(const std::string& url, std::optional<std::string> title,
                                       std::optional<std::string> managedWorkflowID);

  Dependencies deps_;
  BrowserTabNavigation delegate_;
};

}  // namespace ondi
