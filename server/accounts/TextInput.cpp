#include "accounts/TextInput.h"

namespace ondi::server {
namespace {

constexpr std::string_view kWhiteSpace = " \t\n\r\f\v";

}  // namespace

std::string trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kWhiteSpace);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kWhiteSpace);
  return std::string(text.substr(first, last - first + 1));
}

std::size_t characterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (const char c : utf8) {
    // Continuation bytes (10xxxxxx) belong to the character before them.
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace ondi::server
