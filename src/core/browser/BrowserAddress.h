#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ondi {

// What an address-bar entry opens: an http(s) address as typed; text with a dot and no
// space as an https address; anything else as a web search. Empty text, or an https form
// that is not an address, opens nothing.
std::optional<std::string> browserURL(std::string_view text);

}  // namespace ondi
