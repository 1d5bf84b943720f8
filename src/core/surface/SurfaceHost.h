#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/app/NavigationClient.h"
#include "core/app/NavigationState.h"
#include "core/app/ServiceOrigin.h"
#include "core/ports/WebView.h"
#include "core/surface/MicrophonePolicy.h"
#include "core/surface/WorkspaceHosts.h"

namespace ondi {

class Logger;
class SystemServices;

// The hosted agent surface: what it shows, which navigations it lets through, and what
// it hands to the in-app browser or the system instead.
class SurfaceHost : public WebViewDelegate {
 public:
  // What the surface needs from the rest of the model.
  class Client : public NavigationClient {
   public:
    // The base address the operator page is loaded with.
    virtual std::string operatorPageBaseURL() const = 0;
    // A page in the surface posted to one of its script-message handlers.
    virtual void surfaceScriptMessageReceived(const ScriptMessage& message) = 0;
  };

  SurfaceHost(std::unique_ptr<WebView> webView, NavigationState& navigation,
              const ServiceOrigin& origin, const WorkspaceHosts& hosts, Logger& logger,
              SystemServices& system, MicrophonePolicy& microphone, Client& client,
              std::string desktopChatHTML);
  ~SurfaceHost() override;

  void loadDesktopChat();
  void load(const std::string& url);
  void reload() { webView_->reload(); }

  WebView& webView() { return *webView_; }
  const WebView& webView() const { return *webView_; }
  bool isShowingDesktopChat() const { return isShowingDesktopChat_; }
  // Set while a native screen replaces the surface's page.
  void setShowingDesktopChat(bool showing) { isShowingDesktopChat_ = showing; }

  NavigationDecision decideNavigationPolicy(WebView& view, const NavigationAction& action) override;
  void newWindowRequested(WebView& view, const NavigationAction& action) override;
  void navigationStarted(WebView& view) override;
  void navigationCommitted(WebView& view) override;
  void navigationFinished(WebView& view) override;
  void navigationFailed(WebView& view, const std::string& failingURL,
                        const std::string& errorDescription) override;
  void navigationCancelled(WebView& view) override { client_.updateState(&view); }
  void scriptMessageReceived(WebView&, const ScriptMessage& message) override {
    client_.surfaceScriptMessageReceived(message);
  }
  void mediaCaptureRequested(WebView& view, const std::string& origin, MediaCaptureKind kind,
                             std::function<void(bool)> decide) override;

 private:
  std::unique_ptr<WebView> webView_;
  NavigationState& navigation_;
  const ServiceOrigin& origin_;
  const WorkspaceHosts& hosts_;
  Logger& logger_;
  SystemServices& system_;
  MicrophonePolicy& microphone_;
  Client& client_;
  std::string desktopChatHTML_;
  bool isShowingDesktopChat_ = false;
};

// The host of an address for log lines, or "unknown".
std::string hostForLog(const std::string& url);

}  // namespace ondi
