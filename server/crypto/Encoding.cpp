#include "crypto/Encoding.h"

#include <sodium.h>

namespace ondi::server {
namespace {

std::string encoded(std::span<const unsigned char> bytes, int variant) {
  std::string text(sodium_base64_ENCODED_LEN(bytes.size(), variant), '\0');
  sodium_bin2base64(text.data(), text.size(), bytes.data(), bytes.size(), variant);
  text.resize(text.find('\0'));
  return text;
}

}  // namespace

std::string base64Url(std::span<const unsigned char> bytes) {
  return encoded(bytes, sodium_base64_VARIANT_URLSAFE_NO_PADDING);
}

std::string base64(std::span<const unsigned char> bytes) {
  return encoded(bytes, sodium_base64_VARIANT_ORIGINAL);
}

std::string hex(std::span<const unsigned char> bytes) {
  std::string text(bytes.size() * 2 + 1, '\0');
  sodium_bin2hex(text.data(), text.size(), bytes.data(), bytes.size());
  text.pop_back();
  return text;
}

}  // namespace ondi::server
