#pragma once

#include <string>
#include <string_view>

namespace ondi {

// Trims spaces, tabs and line breaks from both ends.
std::string trimmedWhitespace(std::string_view text);
// Trims every occurrence of `c` from both ends.
std::string trimmedCharacter(std::string_view text, char c);
bool equalsIgnoringASCIICase(std::string_view a, std::string_view b);
// Unicode lower case, so that a text typed with capitals of any script still matches.
std::string lowercased(std::string_view text);

// Character counts and cuts work on Unicode code points; invalid UTF-8 is repaired first.
std::size_t characterCount(std::string_view text);
std::string prefixCharacters(std::string_view text, std::size_t count);
// Texts of `limit` characters or more keep their first `limit - 4` characters and "…".
std::string shortenedWithEllipsis(std::string_view text, std::size_t limit);

}  // namespace ondi
