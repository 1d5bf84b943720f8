#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ondi::server {

// A fresh random (version 4) UUID in its canonical lower-case form, naming a browser-runner
// session.
std::string newSessionUuid();

// The text in canonical lower-case form when it is a UUID written with hyphens at the 9th, 14th,
// 19th and 24th characters and hexadecimal digits, in either case, everywhere else.
std::optional<std::string> canonicalSessionUuid(std::string_view text);

}  // namespace ondi::server
