#pragma once

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/ports/ExternalApplications.h"

namespace ondi::fakes {

// Other applications, as a test arranges them. Asynchronous completions wait until the test
// delivers them, the way the main loop would run them on a later turn.
class FakeExternalApplications final : public ExternalApplications {
 public:
  struct OpenedURL {
    std::string url;
    std::string bundleIdentifier;
    bool operator==(const OpenedURL&) const = default;
  };

  bool isInstalled(const std::string& bundleIdentifier) const override {
    return installed.contains(bundleIdentifier);
  }
  void openURL(const std::string& url, const std::string& bundleIdentifier,
               std::function<void(ApplicationOpenOutcome)> completion) override {
    openedURLs.push_back({url, bundleIdentifier});
    pending.push_back([this, completion = std::move(completion)] { completion(openOutcome); });
  }
  void openApplication(const std::string& bundleIdentifier,
                       std::function<void(std::optional<std::string>)> completion) override {
    openedApplications.push_back(bundleIdentifier);
    pending.push_back([this, completion = std::move(completion)] { completion(applicationError); });
  }
  void openWithDefaultHandler(const std::string& url,
                              std::function<void(bool)> completion) override {
    defaultHandlerURLs.push_back(url);
    pending.push_back(
        [this, completion = std::move(completion)] { completion(defaultHandlerOpens); });
  }
  AutomationScriptOutcome runAppleScript(const std::string& source) override {
    scripts.push_back(source);
    return scriptOutcome;
  }

  // Runs the completions that have been waiting, in the order they were requested.
  void deliverCompletions() {
    auto waiting = std::exchange(pending, {});
    for (auto& completion : waiting) completion();
  }

  std::set<std::string> installed;
  ApplicationOpenOutcome openOutcome;
  std::optional<std::string> applicationError;
  bool defaultHandlerOpens = true;
  AutomationScriptOutcome scriptOutcome;

  std::vector<OpenedURL> openedURLs;
  std::vector<std::string> openedApplications;
  std::vector<std::string> defaultHandlerURLs;
  std::vector<std::string> scripts;
  std::vector<std::function<void()>> pending;
};

}  // namespace ondi::fakes
