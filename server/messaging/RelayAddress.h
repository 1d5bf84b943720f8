#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ondi::server {

// The shared Messages address senders text their route code to, as the text names it: an iMessage
// e-mail address (trimmed, in lower case) or a phone number in E.164 form. Nothing for other text.
std::optional<std::string> relayAddress(std::string_view text);

// How the address is shown: an e-mail address keeps the first two characters of its local part
// and its domain ("te•••@example.com"); a phone number its country part and last four digits.
std::string maskedRelayAddress(std::string_view address);

}  // namespace ondi::server
