#include "agent/ThreadId.h"

#include <algorithm>

#include "crypto/SecureRandom.h"

namespace ondi::server {
namespace {

constexpr std::size_t kMaxThreadIdLength = 96;
constexpr std::size_t kThreadIdRandomBytes = 8;

bool isIdCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-';
}

}  // namespace

bool isThreadId(std::string_view id) {
  return !id.empty() && id.size() <= kMaxThreadIdLength && std::ranges::all_of(id, isIdCharacter);
}

std::string newThreadId() {
  return "thread-" + randomHex(kThreadIdRandomBytes);
}

}  // namespace ondi::server
