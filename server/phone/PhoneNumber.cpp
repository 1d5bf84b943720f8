#include "phone/PhoneNumber.h"

#include <algorithm>

namespace ondi::server {
namespace {

constexpr std::size_t kMinDigits = 8;
constexpr std::size_t kMaxDigits = 15;
constexpr std::size_t kNationalDigits = 10;
constexpr std::size_t kShownDigits = 4;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

bool isE164Number(std::string_view number) {
  if (!number.starts_with('+')) return false;
  const std::string_view digits = number.substr(1);
  return digits.size() >= kMinDigits && digits.size() <= kMaxDigits &&
         std::ranges::all_of(digits, isDigit);
}

std::string maskedPhoneNumber(std::string_view number) {
  const std::string_view digits = number.substr(1);
  const std::size_t country = digits.size() > kNationalDigits ? digits.size() - kNationalDigits : 1;
  return "+" + std::string(digits.substr(0, country)) + " ••• ••• " +
         std::string(digits.substr(digits.size() - kShownDigits));
}

}  // namespace ondi::server
