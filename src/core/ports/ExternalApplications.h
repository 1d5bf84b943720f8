#pragma once

#include <functional>
#include <optional>
#include <string>

namespace ondi {

// How handing an address to another application ended.
struct ApplicationOpenOutcome {
  enum class Status {
    // The hand-off finished successfully.
    opened,
    // The hand-off ran and reported failure.
    failed,
    // The hand-off could not be started; `description` says why.
    couldNotStart,
  };
  Status status = Status::opened;
  std::string description;
};

// How running an automation script ended.
struct AutomationScriptOutcome {
  enum class Status {
    // The script could not be compiled, or scripting is unavailable.
    couldNotCreate,
    // The script ran and failed; `text` is the system's message, when it gave one.
    failed,
    // The script ran; `text` is its result as a string.
    succeeded,
  };
  Status status = Status::couldNotCreate;
  std::optional<std::string> text;
};

// The other applications of the desktop: finding them by bundle identifier, handing them
// addresses, bringing them up and scripting them. Every completion runs on the main loop.
class ExternalApplications {
 public:
  virtual ~ExternalApplications() = default;

  virtual bool isInstalled(const std::string& bundleIdentifier) const = 0;
  // Opens `url` in the application; blocking work happens off the main loop.
  virtual void openURL(const std::string& url, const std::string& bundleIdentifier,
                       std::function<void(ApplicationOpenOutcome)> completion) = 0;
  // Launches the application and brings it to the front; the completion gets the error
  // description, or none on success.
  virtual void openApplication(const std::string& bundleIdentifier,
                               std::function<void(std::optional<std::string>)> completion) = 0;
  // Opens `url` with the system's default handler; the completion tells whether it did.
  virtual void openWithDefaultHandler(const std::string& url,
                                      std::function<void(bool)> completion) = 0;
  // Compiles and runs an AppleScript synchronously.
  virtual AutomationScriptOutcome runAppleScript(const std::string& source) = 0;
};

}  // namespace ondi
