#pragma once

#include <string>
#include <string_view>

namespace ondi::server {

// A new messaging route code: eight characters from an alphabet without look-alikes (no 0, O, 1
// or I), in two groups of four joined by a hyphen, for example "K7QX-M2PD".
std::string newRouteCode();

// The code as a person may have typed it: trimmed and in upper case.
std::string normalizedRouteCode(std::string_view text);

}  // namespace ondi::server
