#pragma once

#include <string>
#include <string_view>

namespace ondi {

// Trims spaces, tabs and line breaks from both ends.
std::string trimmedWhitespace(std::string_view text);
// Trims every occurrence of `c` from both ends.
std::string trimmedCharacter(std::string_view text, char c);
bool equalsIgnoringASCIICase(std::string_view a, std::string_view b);

}  // namespace ondi
