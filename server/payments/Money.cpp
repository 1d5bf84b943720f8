#include "payments/Money.h"

namespace ondi::server {

std::string dollarsText(std::int64_t cents) {
  const bool negative = cents < 0;
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
  const std::string whole = std::to_string(magnitude / 100);
  std::string grouped;
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) grouped += ',';
    grouped += whole[i];
  }
  std::string text = (negative ? "-$" : "$") + grouped;
  if (const std::uint64_t rest = magnitude % 100; rest != 0) {
    text += rest < 10 ? ".0" : ".";
    text += std::to_string(rest);
  }
  return text;
}

}  // namespace ondi::server
