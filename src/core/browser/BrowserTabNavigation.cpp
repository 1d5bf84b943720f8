#include "core/browser/BrowserTabNavigation.h"

#include "core/ports/SystemServices.h"
#include "core/surface/MicrophonePolicy.h"
#include "core/surface/NavigationDisposition.h"
#include "core/util/Url.h"

namespace ondi {

namespace {

bool isSystemHandledAddress(const std::string& address) {
  const auto url = Url::parse(address);
  return url && isSystemHandledScheme(url->lowercasedScheme());
}

}  // namespace

NavigationDecision BrowserTabNavigation::decideNavigationPolicy(WebView&,
                                                                const NavigationAction& action) {
  if (!isSystemHandledAddress(action.url)) return NavigationDecision::allow;
  // A page's own script cannot make the system open a mail or telephone address.
  if (action.isUserGesture) system_.openWithDefaultHandler(action.url);
  return NavigationDecision::cancel;
}

void BrowserTabNavigation::newWindowRequested(WebView& view, const NavigationAction& action) {
  if (action.targetFrameIsMain || action.url.empty()) return;
  if (isSystemHandledAddress(action.url)) {
    if (action.isUserGesture) system_.openWithDefaultHandler(action.url);
    return;
  }
  if (!newWindows_.admit(view)) {
    client_.showBrowserNotice(std::string(kTooManyWindowsNotice));
    return;
  }
  client_.openInAppBrowserTab(action.url);
}

void BrowserTabNavigation::mediaCaptureRequested(WebView&, const std::string& origin,
                                                 MediaCaptureKind kind,
                                                 std::function<void(bool)> decide) {
  microphone_.decide(origin, kind, std::move(decide));
}

}  // namespace ondi
