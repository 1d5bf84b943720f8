#pragma once

#include <string>

namespace ondi {

// The double-quoted JSON string literal of `text`, safe to splice into a script; invalid
// UTF-8 is replaced. An empty literal when it cannot be built.
std::string javaScriptLiteral(const std::string& text);

}  // namespace ondi
