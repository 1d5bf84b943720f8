#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ondi::server {

inline constexpr std::string_view kNewChatTitle = "New chat";

// Runs of white space become one space, and none is left at either end.
std::string collapsedBlanks(std::string_view text);

// UTF-8 text cut to at most maxCharacters (at least 1) characters; a text that had to be cut ends
// with "…".
std::string shortened(std::string_view text, std::size_t maxCharacters);

// The title a thread takes from its first prompt: the first line of what the user typed, trimmed,
// at most 60 characters; "New chat" when that is empty.
std::string threadTitle(std::string_view prompt);

// A message as the thread list shows it: what was typed or answered as plain text on one line
// (without Markdown's line marks, "**" and backticks), at most 140 characters.
std::string messagePreview(std::string_view content);

}  // namespace ondi::server
