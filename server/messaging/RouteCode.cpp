#include "messaging/RouteCode.h"

#include <sodium.h>

#include "accounts/TextInput.h"

namespace ondi::server {
namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
constexpr std::size_t kGroupLength = 4;
constexpr std::size_t kCodeCharacters = 8;

}  // namespace

std::string newRouteCode() {
  std::string code;
  for (std::size_t i = 0; i < kCodeCharacters; ++i) {
    if (i == kGroupLength) code += '-';
    code += kAlphabet[randombytes_uniform(static_cast<std::uint32_t>(kAlphabet.size()))];
  }
  return code;
}

std::string normalizedRouteCode(std::string_view text) {
  std::string code = trimmed(text);
  for (char& c : code) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return code;
}

}  // namespace ondi::server
