#pragma once

#include "core/desktop/ExternalBrowsers.h"

namespace ondi {

class BrowserWorkspaceController;
class Logger;
class RouteNavigation;
class ServiceOrigin;
class SurfaceChannel;
class SystemServices;

// Hands the page in front to another browser: the system's default one, a named one, or the
// in-app browser.
class PageHandoff {
 public:
  struct Dependencies {
    const ServiceOrigin& origin;
    const RouteNavigation& navigation;
    BrowserWorkspaceController& browser;
    const SurfaceChannel& surface;
    SystemServices& system;
    ExternalBrowsers& browsers;
    Logger& logger;
  };

  explicit PageHandoff(Dependencies dependencies) : deps_(dependencies) {}

  // Opens the page in front, or the agent page, in the system's default browser.
  void openExternal();
  // Opens the page in front in `browser`; the outcome is not reported.
  void openIn(const ExternalBrowser& browser);
  // Shows the page in front in the in-app browser: a new tab, or the selected one while the
  // browser is up.
  void openInAppBrowser();

 private:
  Dependencies deps_;
};

}  // namespace ondi
