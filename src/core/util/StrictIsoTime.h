#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace ondi {

// An internet date-time in whole seconds with its zone: "2026-12-07T17:40:00Z" or
// "2026-12-07T18:40:00+01:00". Fractional seconds, a missing zone, a date alone or any other
// form give none.
std::optional<std::chrono::system_clock::time_point> parseStrictISO8601(const std::string& text);

}  // namespace ondi
