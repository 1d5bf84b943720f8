#include "http/RequestLog.h"

#include <array>
#include <cstdio>

namespace ondi::server {
namespace {

// Paths whose remainder is a secret (a connector's one-time authorization link): the log keeps
// the route and hides the rest.
constexpr std::array<std::string_view, 1> kSecretPathPrefixes{"/connect/"};
constexpr std::string_view kRedacted = "[redacted]";

std::string loggedPath(std::string_view path) {
  for (const std::string_view prefix : kSecretPathPrefixes) {
    if (path.starts_with(prefix) && path.size() > prefix.size()) {
      return std::string(prefix) + std::string(kRedacted);
    }
  }
  return std::string(path);
}

std::string printable(std::string_view text) {
  if (text.empty()) return "-";
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x21 || byte >= 0x7f || c == '\\') {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::string formatRequestLogLine(std::string_view method, std::string_view path, unsigned status,
                                 double milliseconds) {
  char tail[48];
  std::snprintf(tail, sizeof tail, " %u %.1f ms", status, milliseconds);
  return printable(method) + " " + printable(loggedPath(path)) + tail;
}

}  // namespace ondi::server
