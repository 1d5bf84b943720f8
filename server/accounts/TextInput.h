#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ondi::server {

// The text without leading and trailing white space and newlines.
std::string trimmed(std::string_view text);

// The number of characters (Unicode code points) in UTF-8 text, which is what people count when
// they read a length limit.
std::size_t characterCount(std::string_view utf8);

}  // namespace ondi::server
