#pragma once

#include <string>
#include <string_view>

namespace ondi::server {

// The id the chat page uses for the thread it starts with.
inline constexpr std::string_view kDefaultThreadId = "default";

// Why an id was refused.
inline constexpr std::string_view kThreadIdRule =
    "The thread id must be 1 to 96 letters, digits, \"_\" or \"-\".";

// 1 to 96 characters, each an ASCII letter or digit, "_" or "-". Nothing is trimmed.
bool isThreadId(std::string_view id);

// "thread-" and 16 random hex digits.
std::string newThreadId();

}  // namespace ondi::server
