#pragma once

#include <string>
#include <string_view>

namespace ondi::server {

// E.164 as the service takes it: "+" followed by 8 to 15 digits, nothing else.
bool isE164Number(std::string_view number);

// How an E.164 number is shown: its country part and its last four digits, the rest hidden, for
// example
// "+1 ••• ••• 0101" for "+15550100101". The country part is what precedes the last ten digits (at
// least the first digit).
std::string maskedPhoneNumber(std::string_view number);

}  // namespace ondi::server
