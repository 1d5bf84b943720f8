#pragma once

#include <string>

#include "core/ports/ExternalApplications.h"

namespace ondi::platform {

// Other desktop applications through GIO. A bundle identifier stands for the desktop entries
// that install that application on Linux; an address is handed over by `gio launch` in a child
// process, whose exit the main loop waits for without blocking. There is no AppleScript here.
class GioExternalApplications final : public ExternalApplications {
 public:
  bool isInstalled(const std::string& bundleIdentifier) const override;
  void openURL(const std::string& url, const std::string& bundleIdentifier,
               std::function<void(ApplicationOpenOutcome)> completion) override;
  void openApplication(const std::string& bundleIdentifier,
                       std::function<void(std::optional<std::string>)> completion) override;
  void openWithDefaultHandler(const std::string& url,
                              std::function<void(bool)> completion) override;
  AutomationScriptOutcome runAppleScript(const std::string& source) override;
};

}  // namespace ondi::platform
