#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ondi {

// The application name web views add to the engine's own user agent, so that sites see a
// current Safari with the client's product token and serve their normal desktop pages.
class BrowserUserAgentPolicy {
 public:
  BrowserUserAgentPolicy() = delete;

  // "Version/<v> Safari/605.1.15 VelmoraDesktop/1.0", where <v> is the first usable of
  // `safariVersion` and `installedSafariVersion`, else `operatingSystemVersion`.
  static std::string safariCompatibleApplicationName(
      const std::optional<std::string>& safariVersion,
      const std::optional<std::string>& installedSafariVersion,
      std::string_view operatingSystemVersion);

  // The version unchanged when it is dot-separated, non-empty runs of digits; else absent.
  static std::optional<std::string> normalizedVersion(const std::optional<std::string>& value);
};

}  // namespace ondi
