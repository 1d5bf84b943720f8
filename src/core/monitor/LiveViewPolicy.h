#pragma once

#include <optional>
#include <string>

#include "core/monitor/ManagedLiveViewURLValidator.h"

namespace ondi {

// The rules of the embedded live view, as decisions the platform's web view carries out.
class LiveViewPolicy {
 public:
  enum class Navigation { allow, cancel };
  // What an update of the view does: nothing, load `url`, or blank the page.
  struct Update {
    enum class Kind { keep, load, blank };
    Kind kind = Kind::keep;
    std::string url;

    bool operator==(const Update&) const = default;
  };

  explicit LiveViewPolicy(ManagedLiveViewURLValidator validator)
      : validator_(std::move(validator)) {}

  // A browser-runner page shares the application's persistent session, so it carries the
  // account's cookie; every other page gets an ephemeral one.
  bool isBrowserRunnerURL(const std::optional<std::string>& url,
                          const std::optional<std::string>& browserRunnerBase) const;
  // An allowed `url` other than `loaded` is loaded; the same one again is kept; a disallowed
  // or missing one blanks the page when something was loaded.
  Update update(const std::optional<std::string>& url, const std::optional<std::string>& loaded,
                const std::optional<std::string>& browserRunnerBase) const;
  // New windows and navigations without an address are cancelled; "about:blank" and allowed
  // addresses proceed.
  Navigation navigation(const std::optional<std::string>& url, bool opensNewWindow,
                        const std::optional<std::string>& browserRunnerBase) const;

 private:
  bool isAllowed(const std::string& url, const std::optional<std::string>& base) const;

  ManagedLiveViewURLValidator validator_;
};

}  // namespace ondi
