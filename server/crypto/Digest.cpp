#include "crypto/Digest.h"

#include <array>

#include <sodium.h>

#include "crypto/Encoding.h"

namespace ondi::server {
namespace {

std::array<unsigned char, crypto_hash_sha256_BYTES> sha256(std::string_view text) {
  std::array<unsigned char, crypto_hash_sha256_BYTES> digest{};
  crypto_hash_sha256(digest.data(), reinterpret_cast<const unsigned char*>(text.data()),
                     text.size());
  return digest;
}

}  // namespace

std::string sha256Hex(std::string_view text) {
  return hex(sha256(text));
}

std::string sha256Base64Url(std::string_view text) {
  return base64Url(sha256(text));
}

std::string sha256Base64(std::string_view text) {
  return base64(sha256(text));
}

bool constantTimeEquals(std::string_view a, std::string_view b) {
  return a.size() == b.size() && sodium_memcmp(a.data(), b.data(), a.size()) == 0;
}

}  // namespace ondi::server
