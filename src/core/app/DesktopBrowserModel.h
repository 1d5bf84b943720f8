#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include <sigc++/signal.h>

#include "core/account/WorkspaceAPIClient.h"
#include "core/app/NavigationState.h"
#include "core/app/PlatformServices.h"
#include "core/app/Published.h"
#include "core/app/ServiceOrigin.h"
#include "core/app/VelmoraRoute.h"
#include "core/browser/BrowserTabNavigation.h"
#include "core/browser/BrowserTabs.h"
#include "core/surface/MicrophonePolicy.h"
#include "core/surface/SurfaceHost.h"
#include "core/surface/WorkspaceHosts.h"
#include "core/util/Lifetime.h"

namespace ondi {

// The one model of the application: the surface, the in-app browser, the account and every
// native-to-page call. Screens observe its published fields and call its operations.
class DesktopBrowserModel : private SurfaceHost::Client {
 public:
  DesktopBrowserModel(ServiceOrigin origin, PlatformServices services, std::string desktopChatHTML);
  ~DesktopBrowserModel() override;
  DesktopBrowserModel(const DesktopBrowserModel&) = delete;
  DesktopBrowserModel& operator=(const DesktopBrowserModel&) = delete;

  NavigationState navigation;
  BrowserTabs tabs;
  Published<std::string> settingsRequestID;
  // The application-wide request to run the live browser demo.
  sigc::signal<void()> runLiveBrowserDemoRequested;

  // The one way to change destination.
  void load(const VelmoraRoute& route);
  // Loads a fetched address into the surface.
  void loadURL(const std::string& url);
  void loadDesktopChat() { surface_.loadDesktopChat(); }
  void reload();
  void goBack();
  void goForward();

  // Hands the current page to the system's default browser.
  void openExternal();

  void openInAppBrowserTab(const std::string& url, std::optional<std::string> title);
  void loadCurrentBrowserTab(const std::string& url, std::optional<std::string> title);
  void selectBrowserTab(const std::string& id);

  // Refreshes the published navigation state from `view` on a later turn of the main loop.
  void updateState(const WebView* view) override;

  std::string managedBrowserBaseURL() const { return api_.managedBrowserBaseURL(); }
  void performAuthenticatedAPIRequest(const std::string& path, const std::string& method,
                                      const std::optional<std::string>& body,
                                      const std::map<std::string, std::string>& headers,
                                      WorkspaceAPIClient::Completion completion) {
    api_.performAuthenticatedAPIRequest(path, method, body, headers, std::move(completion));
  }
  void clearWorkspaceSessionCookies(std::function<void()> completion) {
    api_.clearWorkspaceSessionCookies(std::move(completion));
  }

  WebView& surfaceWebView() { return surface_.webView(); }
  bool isShowingDesktopChat() const { return surface_.isShowingDesktopChat(); }
  const ServiceOrigin& serviceOrigin() const { return origin_; }

 private:
  void openInAppBrowserTab(const std::string& url) override { openInAppBrowserTab(url, {}); }
  std::string operatorPageBaseURL() const override { return managedBrowserBaseURL(); }

  WebView& activeWebView();
  void refreshNavigationState(const WebView* view);
  BrowserTabSession makeBrowserSession(const std::string& url, std::optional<std::string> title,
                                       std::optional<std::string> managedWorkflowID);
  WebViewConfiguration surfaceConfiguration() const;
  WebViewConfiguration browserTabConfiguration() const;

  ServiceOrigin origin_;
  PlatformServices services_;
  WorkspaceHosts hosts_;
  MicrophonePolicy microphone_;
  SurfaceHost surface_;
  BrowserTabNavigation tabNavigation_;
  WorkspaceAPIClient api_;
  Lifetime lifetime_;
};

}  // namespace ondi
