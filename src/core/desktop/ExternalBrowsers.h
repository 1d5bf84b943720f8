#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/actions/DesktopActionResult.h"
#include "core/util/Lifetime.h"

namespace ondi {

class ExternalApplications;

// One of the two outside browsers the application knows.
struct ExternalBrowser {
  std::string_view applicationName;
  std::string_view bundleIdentifier;
  // The name scripts and logs use: "Chrome" for Google Chrome.
  std::string_view shortName;

  static const ExternalBrowser safari;
  static const ExternalBrowser chrome;
};

// Hands pages and commands to Safari and Google Chrome: opens addresses and the browsers
// themselves, and closes or switches their tabs by script. Completions run on the main loop
// and are dropped once this object is gone.
class ExternalBrowsers {
 public:
  using Completion = std::function<void(DesktopActionResult)>;

  explicit ExternalBrowsers(ExternalApplications& applications) : applications_(applications) {}

  // Opens `url` in the named browser, or in the default browser when that one is missing.
  void openURL(const std::string& url, const std::string& bundleIdentifier,
               const std::string& applicationName, const std::string& label, Completion completion);
  void openApplication(const std::string& bundleIdentifier, const std::string& name,
                       Completion completion);

  DesktopActionResult runChromeAppleScript(const std::string& source, const std::string& fallback);
  DesktopActionResult runSafariAppleScript(const std::string& source, const std::string& fallback);
  // `direction` is "previous" or "next".
  DesktopActionResult switchChromeTab(std::string_view direction);
  DesktopActionResult switchSafariTab(std::string_view direction);

 private:
  DesktopActionResult runAppleScript(const std::string& source, const std::string& fallback,
                                     const ExternalBrowser& browser);

  ExternalApplications& applications_;
  Lifetime lifetime_;
};

}  // namespace ondi
