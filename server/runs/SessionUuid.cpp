#include "runs/SessionUuid.h"

#include <glib.h>

#include <memory>

namespace ondi::server {
namespace {

constexpr std::size_t kUuidLength = 36;

bool isHyphenPosition(std::size_t index) {
  return index == 8 || index == 13 || index == 18 || index == 23;
}

}  // namespace

std::string newSessionUuid() {
  const std::unique_ptr<gchar, decltype(&g_free)> uuid(g_uuid_string_random(), g_free);
  return uuid.get();
}

std::optional<std::string> canonicalSessionUuid(std::string_view text) {
  if (text.size() != kUuidLength) return std::nullopt;
  std::string canonical(text);
  for (std::size_t index = 0; index < canonical.size(); ++index) {
    const char c = canonical[index];
    if (isHyphenPosition(index)) {
      if (c != '-') return std::nullopt;
    } else if (!g_ascii_isxdigit(c)) {
      return std::nullopt;
    } else {
      canonical[index] = g_ascii_tolower(c);
    }
  }
  return canonical;
}

}  // namespace ondi::server
