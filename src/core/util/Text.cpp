#include "core/util/Text.h"

#include <glib.h>

#include <algorithm>

#include "core/util/GlibHandles.h"

namespace ondi {
namespace {

std::string trimmedWhere(std::string_view text, auto isTrimmed) {
  const auto first = std::ranges::find_if_not(text, isTrimmed);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), isTrimmed).base();
  return first < last ? std::string(first, last) : std::string();
}

}  // namespace

std::string trimmedWhitespace(std::string_view text) {
  return trimmedWhere(text, [](char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
  });
}

std::string trimmedCharacter(std::string_view text, char c) {
  return trimmedWhere(text, [c](char x) { return x == c; });
}

bool equalsIgnoringASCIICase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::ranges::equal(a, b, [](char x, char y) {
           return g_ascii_tolower(x) == g_ascii_tolower(y);
         });
}

namespace {

std::string validUTF8(std::string_view text) {
  if (g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) {
    return std::string(text);
  }
  return glib::takeString(g_utf8_make_valid(text.data(), static_cast<gssize>(text.size())));
}

}  // namespace

std::string lowercased(std::string_view text) {
  const std::string valid = validUTF8(text);
  return glib::takeString(g_utf8_strdown(valid.c_str(), static_cast<gssize>(valid.size())));
}

std::size_t characterCount(std::string_view text) {
  const std::string valid = validUTF8(text);
  return static_cast<std::size_t>(g_utf8_strlen(valid.c_str(), static_cast<gssize>(valid.size())));
}

std::string prefixCharacters(std::string_view text, std::size_t count) {
  const std::string valid = validUTF8(text);
  const char* end = valid.c_str();
  for (std::size_t i = 0; i < count && *end; ++i) end = g_utf8_next_char(end);
  return std::string(valid.c_str(), end);
}

std::string shortenedWithEllipsis(std::string_view text, std::size_t limit) {
  if (characterCount(text) < limit) return std::string(text);
  return prefixCharacters(text, limit - 4) + "\u2026";
}

}  // namespace ondi
