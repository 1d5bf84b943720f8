#pragma once

#include <functional>
#include <string>

#include "core/app/NavigationClient.h"
#include "core/ports/WebView.h"

namespace ondi {

class MicrophonePolicy;
class SystemServices;

// The navigation policy of in-app tabs: mail and telephone links go to the system, a new
// window becomes a further tab, everything else loads in the tab.
class BrowserTabNavigation : public WebViewDelegate {
 public:
  BrowserTabNavigation(SystemServices& system, MicrophonePolicy& microphone,
                       NavigationClient& client)
      : system_(system), microphone_(microphone), client_(client) {}

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
  NavigationClient& client_;
};

}  // namespace ondi
