#include "http/RequestLog.h"

#include <cstdio>

namespace ondi::server {
namespace {

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
  return printable(method) + " " + printable(path) + tail;
}

}  // namespace ondi::server
