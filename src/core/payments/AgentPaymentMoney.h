#pragma once

#include <cstdint>
#include <string>

namespace ondi {

// Money as the payment screen shows it.
struct AgentPaymentMoney {
  // Whole US dollars in `locale` (an ICU locale such as "en_US" or "de_DE"); the user's own
  // locale when empty, and US English where the user has none (C or POSIX).
  static std::string usd(std::int64_t cents, const std::string& locale = {});
};

}  // namespace ondi
