#include "core/desktop/PageHandoff.h"

#include "core/browser/BrowserWorkspaceController.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/RouteNavigation.h"
#include "core/navigation/WebDestinations.h"
#include "core/ports/Logger.h"
#include "core/ports/SystemServices.h"
#include "core/script/SurfaceChannel.h"
#include "core/surface/SurfaceHost.h"
#include "core/util/Text.h"

namespace ondi {
namespace {
constexpr std::string_view kCategory = "browser";
}

void PageHandoff::openExternal() {
  const VelmoraRoute& route = deps_.navigation.state().activeRoute.get();
  deps_.logger.info(kCategory, "External browser handoff requested from " + route.telemetryName());
  std::string url;
  if (route.kind() == VelmoraRoute::Kind::browserWorkspace) {
    url = deps_.browser.selectedWebView().url();
    if (url.empty()) url = WebDestinations::gmailInbox;
  } else if (!deps_.surface.isShowingDesktopChat()) {
    url = deps_.surface.currentURL();
  }
  if (url.empty()) url = deps_.origin.agentPageURL();
  deps_.system.openWithDefaultHandler(url);
}

void PageHandoff::openIn(const ExternalBrowser& browser) {
  const auto url = deps_.navigation.currentPageURL();
  if (!url) return;
  std::string label = trimmedWhitespace(deps_.navigation.state().title.get());
  if (label.empty()) label = displayTitle(*url);
  deps_.logger.info(kCategory,
                    std::string(browser.shortName) + " handoff host=" + hostForLog(*url));
  deps_.browsers.openURL(*url, std::string(browser.bundleIdentifier),
                         std::string(browser.applicationName), label,
                         [](const DesktopActionResult&) {});
}

void PageHandoff::openInAppBrowser() {
  const auto url = deps_.navigation.currentPageURL();
  if (!url) return;
  const std::string title = deps_.navigation.state().title.get();
  if (deps_.navigation.state().activeRoute.get().kind() == VelmoraRoute::Kind::browserWorkspace) {
    deps_.browser.loadCurrentBrowserTab(*url, title);
  } else {
    deps_.browser.openInAppBrowserTab(*url, title);
  }
}

}  // namespace ondi
