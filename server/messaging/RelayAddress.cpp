#include "messaging/RelayAddress.h"

#include <algorithm>

#include "accounts/EmailAddress.h"
#include "phone/PhoneNumber.h"

namespace ondi::server {
namespace {

constexpr std::size_t kShownLocalCharacters = 2;

}  // namespace

std::optional<std::string> relayAddress(std::string_view text) {
  if (isE164Number(text)) return std::string(text);
  std::string email = normalizedEmail(text);
  if (isEmailAddress(email)) return email;
  return std::nullopt;
}

std::string maskedRelayAddress(std::string_view address) {
  const std::size_t at = address.find('@');
  if (at == std::string_view::npos) return maskedPhoneNumber(address);
  return std::string(address.substr(0, std::min(at, kShownLocalCharacters))) + "•••" +
         std::string(address.substr(at));
}

}  // namespace ondi::server
