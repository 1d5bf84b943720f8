#include "core/browser/BrowserUserAgentPolicy.h"

#include <algorithm>

namespace ondi {
namespace {

// The engine build that current Safari releases report, and the client's own token; the
// token names the browser identity, not the program's version.
constexpr std::string_view kSafariBuild = "605.1.15";
constexpr std::string_view kProductToken = "VelmoraDesktop/1.0";

bool isDecimalNumber(std::string_view piece) {
  return !piece.empty() && std::ranges::all_of(piece, [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string BrowserUserAgentPolicy::safariCompatibleApplicationName(
    const std::optional<std::string>& safariVersion,
    const std::optional<std::string>& installedSafariVersion,
    std::string_view operatingSystemVersion) {
  std::string version = normalizedVersion(safariVersion)
                            .or_else([&] { return normalizedVersion(installedSafariVersion); })
                            .value_or(std::string(operatingSystemVersion));
  return "Version/" + version + " Safari/" + std::string(kSafariBuild) + " " +
         std::string(kProductToken);
}

std::optional<std::string> BrowserUserAgentPolicy::normalizedVersion(
    const std::optional<std::string>& value) {
  if (!value) return std::nullopt;
  // Every piece between dots counts, including empty ones before, between or after them.
  std::string_view rest = *value;
  for (;;) {
    const auto dot = rest.find('.');
    if (!isDecimalNumber(rest.substr(0, dot))) return std::nullopt;
    if (dot == std::string_view::npos) return value;
    rest.remove_prefix(dot + 1);
  }
}

}  // namespace ondi
