#include "core/desktop/ExternalBrowsers.h"

#include <utility>

#include "core/desktop/BrowserAutomationScripts.h"
#include "core/ports/ExternalApplications.h"
#include "core/util/Text.h"

namespace ondi {

const ExternalBrowser ExternalBrowser::safari{"Safari", "com.apple.Safari", "Safari"};
const ExternalBrowser ExternalBrowser::chrome{"Google Chrome", "com.google.Chrome", "Chrome"};

void ExternalBrowsers::openURL(const std::string& url, const std::string& bundleIdentifier,
                               const std::string& applicationName, const std::string& label,
                               Completion completion) {
  if (!applications_.isInstalled(bundleIdentifier)) {
    applications_.openWithDefaultHandler(
        url, whileAlive(lifetime_, [applicationName, label,
                                    completion = std::move(completion)](bool opened) {
          completion(opened ? DesktopActionResult::success(applicationName +
                                                           " is not installed, so Ondi opened " +
                                                           label + " in your default browser.")
                            : DesktopActionResult::failure("Could not open " + label + "."));
        }));
    return;
  }
  applications_.openURL(
      url, bundleIdentifier,
      whileAlive(lifetime_, [applicationName, label, completion = std::move(completion)](
                                const ApplicationOpenOutcome& outcome) {
        using Status = ApplicationOpenOutcome::Status;
        switch (outcome.status) {
          case Status::opened:
            completion(
                DesktopActionResult::success("Opened " + label + " in " + applicationName + "."));
            return;
          case Status::failed:
            completion(
                DesktopActionResult::failure(applicationName + " could not open " + label + "."));
            return;
          case Status::couldNotStart:
            completion(DesktopActionResult::failure(applicationName + " could not open " + label +
                                                    ": " + outcome.description));
            return;
        }
      }));
}

void ExternalBrowsers::openApplication(const std::string& bundleIdentifier, const std::string& name,
                                       Completion completion) {
  if (!applications_.isInstalled(bundleIdentifier)) {
    completion(DesktopActionResult::failure(name + " is not installed on this computer."));
    return;
  }
  applications_.openApplication(
      bundleIdentifier, whileAlive(lifetime_, [name, completion = std::move(completion)](
                                                  const std::optional<std::string>& error) {
        completion(error ? DesktopActionResult::failure(name + " could not open: " + *error)
                         : DesktopActionResult::success("Opened " + name + "."));
      }));
}

DesktopActionResult ExternalBrowsers::runChromeAppleScript(const std::string& source,
                                                           const std::string& fallback) {
  return runAppleScript(source, fallback, ExternalBrowser::chrome);
}

DesktopActionResult ExternalBrowsers::runSafariAppleScript(const std::string& source,
                                                           const std::string& fallback) {
  return runAppleScript(source, fallback, ExternalBrowser::safari);
}

DesktopActionResult ExternalBrowsers::switchChromeTab(std::string_view direction) {
  return runChromeAppleScript(BrowserAutomationScripts::switchChromeTab(direction),
                              "Switched to the " +
                                  std::string(BrowserAutomationScripts::directionWord(direction)) +
                                  " Chrome tab.");
}

DesktopActionResult ExternalBrowsers::switchSafariTab(std::string_view direction) {
  return runSafariAppleScript(BrowserAutomationScripts::switchSafariTab(direction),
                              "Switched to the " +
                                  std::string(BrowserAutomationScripts::directionWord(direction)) +
                                  " Safari tab.");
}

DesktopActionResult ExternalBrowsers::runAppleScript(const std::string& source,
                                                     const std::string& fallback,
                                                     const ExternalBrowser& browser) {
  const std::string name(browser.shortName);
  const AutomationScriptOutcome outcome = applications_.runAppleScript(source);
  using Status = AutomationScriptOutcome::Status;
  switch (outcome.status) {
    case Status::couldNotCreate:
      return DesktopActionResult::failure("Could not prepare the " + name + " automation script.");
    case Status::failed:
      if (outcome.text) return DesktopActionResult::failure(*outcome.text);
      return DesktopActionResult::failure(name + " automation was blocked. Allow Ondi to control " +
                                          std::string(browser.applicationName) +
                                          " in the desktop's automation settings.");
    case Status::succeeded: {
      const std::string result = trimmedWhitespace(outcome.text.value_or(""));
      return DesktopActionResult::success(result.empty() ? fallback : result);
    }
  }
  std::unreachable();
}

}  // namespace ondi
