#include "core/util/Text.h"

#include <glib.h>

#include <algorithm>

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

}  // namespace ondi
