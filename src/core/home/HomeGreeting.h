#pragma once

#include <chrono>
#include <string>

namespace ondi {

class Clock;

// "Good morning" from 05:00 to 11:59, "Good afternoon" from 12:00 to 17:59, "Good evening"
// otherwise.
std::string salutation(int hour);
// The salutation with the first word of `name`: "Good morning, Ada." or "Good morning.".
std::string homeGreeting(int hour, const std::string& name);
// The greeting for the hour that `clock` gives in the user's time zone.
std::string homeGreeting(const Clock& clock, const std::string& name);
// The hour of `time` in the user's time zone.
int localHour(std::chrono::system_clock::time_point time);

inline constexpr const char* kHomeHeadline = "Your workspace, in focus.";

}  // namespace ondi
