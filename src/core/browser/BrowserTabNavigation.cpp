#include "core/browser/BrowserTabNavigation.h"

#include "core/ports/SystemServices.h"
#include "core/surface/MicrophonePolicy.h"
#include "core/surface/NavigationDisposition.h"
#include "core/util/Url.h"

namespace ondi {

NavigationDecision BrowserTabNavigation::decideNavigationPolicy(WebView&,
                                                                const NavigationAction& action) {
  const auto url = Url::parse(action.url);
  if (url && isSystemHandledScheme(url->lowercasedScheme())) {
    system_.openWithDefaultHandler(action.url);
    return NavigationDecision::cancel;
  }
  return NavigationDecision::allow;
}

void BrowserTabNavigation::newWindowRequested(WebView&, const NavigationAction& action) {
  if (action.targetFrameIsMain || action.url.empty()) return;
  client_.openInAppBrowserTab(action.url);
}

void BrowserTabNavigation::mediaCaptureRequested(WebView&, const std::string& origin,
                                                 MediaCaptureKind kind,
                                                 std::function<void(bool)> decide) {
  microphone_.decide(origin, kind, std::move(decide));
}

}  // namespace ondi
