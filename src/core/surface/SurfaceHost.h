#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/origin/ServiceOrigin.h"
#include "core/ports/WebView.h"
#include "core/script/SurfaceChannel.h"
#include "core/script/SurfaceResources.h"
#include "core/surface/MicrophonePolicy.h"
#include "core/surface/PageBridge.h"
#include "core/surface/WorkspaceHosts.h"
#include "core/theme/VelmoraTheme.h"

namespace ondi {

class Logger;
class SystemServices;

// The hosted agent surface: its web view, what it shows, which navigations it lets through,
// what it hands to the in-app browser or the system instead, and the page's bridge.
class SurfaceHost final : public WebViewDelegate, public SurfaceChannel {
 public:
  // What the surface reports to navigation.
  class Client {
   public:
    virtual ~Client() = default;
    virtual void openInAppBrowserTab(const std::string& url) = 0;
    // A window the page opened on an address the surface keeps.
    virtual void loadURL(const std::string& url) = 0;
    // Refreshes the published navigation state from `view` on a later turn of the main loop.
    virtual void updateState(const WebView* view) = 0;
    virtual void webViewDidFinishLoading(const WebView& view) = 0;
  };

  struct Dependencies {
    WebViewFactory& webViews;
    const ServiceOrigin& origin;
    const WorkspaceHosts& hosts;
    Logger& logger;
    SystemServices& system;
    MicrophonePolicy& microphone;
    Client& client;
    // The base address the operator page is loaded with.
    std::function<std::string()> operatorPageBaseURL;
    // The operator page and the scripts that theme the surface's pages.
    SurfaceResources resources;
    // The theme the user chose, as stored now: every page the surface loads is shown in it.
    std::function<VelmoraTheme()> storedTheme;
  };

  SurfaceHost(Dependencies dependencies, PageBridge::Handlers handlers);
  ~SurfaceHost() override;
  SurfaceHost(const SurfaceHost&) = delete;
  SurfaceHost& operator=(const SurfaceHost&) = delete;

  void loadDesktopChat();
  void load(const std::string& url, std::optional<std::chrono::milliseconds> timeout = std::nullopt,
            LoadCachePolicy cachePolicy = LoadCachePolicy::useProtocolCachePolicy);
  void reload() { webView_->reload(); }
  // Shows `theme` at once: the view's background and the page's colours.
  void applyTheme(VelmoraTheme theme);

  WebView& webView() { return *webView_; }
  const WebView& webView() const { return *webView_; }
  // Set while a native screen replaces the surface's page.
  void setShowingDesktopChat(bool showing) { isShowingDesktopChat_ = showing; }

  void runScript(const std::string& script) override { webView_->evaluateJavaScript(script); }
  void evaluateScript(const std::string& script,
                      std::function<void(ScriptResult)> completion) override {
    webView_->evaluateJavaScript(script, std::move(completion));
  }
  void callAsyncJavaScript(const std::string& functionBody,
                           std::function<void(ScriptResult)> completion) override {
    webView_->callAsyncJavaScript(functionBody, std::move(completion));
  }
  bool isShowingDesktopChat() const override { return isShowingDesktopChat_; }
  bool isPageLoading() const override { return webView_->isLoading(); }
  std::string currentURL() const override { return webView_->url(); }

  NavigationDecision decideNavigationPolicy(WebView& view, const NavigationAction& action) override;
  void newWindowRequested(WebView& view, const NavigationAction& action) override;
  void navigationStarted(WebView& view) override;
  void navigationCommitted(WebView& view) override;
  void navigationFinished(WebView& view) override;
  void navigationFailed(WebView& view, const std::string& failingURL,
                        const std::string& errorDescription) override;
  void navigationCancelled(WebView& view) override { deps_.client.updateState(&view); }
  void scriptMessageReceived(WebView&, const ScriptMessage& message) override {
    bridge_.receive(message);
  }
  void mediaCaptureRequested(WebView& view, const std::string& origin, MediaCaptureKind kind,
                             std::function<void(bool)> decide) override;

 private:
  Dependencies deps_;
  std::unique_ptr<WebView> webView_;
  PageBridge bridge_;
  bool isShowingDesktopChat_ = false;
};

// The host of an address for log lines, or "unknown".
std::string hostForLog(const std::string& url);

}  // namespace ondi
