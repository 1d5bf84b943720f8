#pragma once

#include <cstdint>
#include <string>

namespace ondi::server {

// US dollars as the agent's replies write them: "$40", "$1,250", "$12.50", "-$3".
std::string dollarsText(std::int64_t cents);

}  // namespace ondi::server
