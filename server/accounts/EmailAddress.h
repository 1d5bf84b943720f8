#pragma once

#include <string>
#include <string_view>

namespace ondi::server {

// The address as accounts store it: trimmed and in lower case.
std::string normalizedEmail(std::string_view text);

// Whether a normalised address has the shape of a deliverable address: one "@" between a local
// part and a dotted domain, without white space, controls or characters that need quoting, and
// no longer than 254 characters.
bool isEmailAddress(std::string_view address);

}  // namespace ondi::server
