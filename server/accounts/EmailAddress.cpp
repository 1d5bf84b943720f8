#include "accounts/EmailAddress.h"

#include <algorithm>

#include "accounts/TextInput.h"

namespace ondi::server {
namespace {

constexpr std::size_t kMaxAddressLength = 254;
constexpr std::size_t kMaxLocalPartLength = 64;
constexpr std::string_view kForbidden = "()<>[]\\,;:\"";

bool isPlainCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte > 0x20 && byte != 0x7f && kForbidden.find(c) == std::string_view::npos;
}

bool isDottedDomain(std::string_view domain) {
  return domain.find('.') != std::string_view::npos && !domain.starts_with('.') &&
         !domain.ends_with('.') && domain.find("..") == std::string_view::npos;
}

}  // namespace

std::string normalizedEmail(std::string_view text) {
  std::string address = trimmed(text);
  std::ranges::transform(address, address.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return address;
}

bool isEmailAddress(std::string_view address) {
  if (address.size() > kMaxAddressLength || !std::ranges::all_of(address, isPlainCharacter)) {
    return false;
  }
  const std::size_t at = address.find('@');
  if (at == std::string_view::npos || address.find('@', at + 1) != std::string_view::npos) {
    return false;
  }
  const std::string_view local = address.substr(0, at);
  return !local.empty() && local.size() <= kMaxLocalPartLength &&
         isDottedDomain(address.substr(at + 1));
}

}  // namespace ondi::server
