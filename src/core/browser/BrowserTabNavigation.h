#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/browser/NewWindowRateLimit.h"
#include "core/ports/WebView.h"

namespace ondi {

class MicrophonePolicy;
class SystemServices;

inline constexpr std::string_view kTooManyWindowsNotice =
    "This page tried to open too many windows at once. Ondi blocked the rest.";

// The navigation policy of in-app tabs: mail and telephone links the user follows go to the
// system, a new window becomes a further tab (at a rate a person could ask for), everything
// else loads in the tab.
class BrowserTabNavigation : public WebViewDelegate {
 public:
  // What the tabs' delegate reports to the browser workspace.
  class Client {
   public:
    virtual ~Client() = default;
    virtual void openInAppBrowserTab(const std::string& url) = 0;
    // Refreshes the published navigation state from `view` on a later turn of the main loop.
    virtual void updateState(const WebView* view) = 0;
    virtual void webViewDidFinishLoading(const WebView& view) = 0;
    // Tells the user why the in-app browser did not do what a page asked.
    virtual void showBrowserNotice(const std::string& text) = 0;
  };

  BrowserTabNavigation(SystemServices& system, MicrophonePolicy& microphone, const Clock& clock,
                       Client& client)
      : system_(system), microphone_(microphone), client_(client), newWindows_(clock) {}

  // Forgets a tab's view that is being closed.
  void forget(const WebView& view) { newWindows_.forget(view); }

  NavigationDecision decideNavigationPolicy(WebView& view, const NavigationAction& action) override;
  void newWindowRequested(WebView& view, const NavigationAction& action) override;
  void navigationStarted(WebView& view) override { client_.updateState(&view); }
  void navigationCommitted(WebView& view) override { client_.updateState(&view); }
  void navigationFinished(WebView& view) override {
    client_.updateState(&view);
    client_.webViewDidFinishLoading(view);
  }
  void navigationFailed(WebView& view, const std::string&, const std::string&) override {
    client_.updateState(&view);
  }
  void navigationCancelled(WebView& view) override { client_.updateState(&view); }
  void titleChanged(WebView& view) override { client_.updateState(&view); }
  void mediaCaptureRequested(WebView& view, const std::string& origin, MediaCaptureKind kind,
                             std::function<void(bool)> decide) override;

 private:
  SystemServices& system_;
  MicrophonePolicy& microphone_;
  Client& client_;
  NewWindowRateLimit newWindows_;
};

}  // namespace ondi
