#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace ondi {

// Reads an ISO-8601 date and time in the internet form "2026-12-07T17:40:00Z" or
// "2026-12-07T18:40:00+01:00": whole seconds and a time zone, nothing else. Fractional seconds,
// a missing zone, lower-case separators or impossible dates give none.
std::optional<std::chrono::sys_seconds> parseInternetDateTime(std::string_view text);

// The instant as an abbreviated date and a short time ("Dec 7, 2026, 5:40 PM"), in `locale`
// (an ICU locale such as "en_US") and `timeZone` (an Olson name such as "Europe/Berlin"). Empty
// arguments mean the user's own: the locale is US English where the user has none (C or
// POSIX), and the zone is the system's.
std::string abbreviatedDateTime(std::chrono::sys_seconds instant, const std::string& locale = {},
                                const std::string& timeZone = {});

}  // namespace ondi
