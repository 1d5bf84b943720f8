#include "crypto/SecureRandom.h"

#include <vector>

#include <sodium.h>

#include "crypto/Encoding.h"

namespace ondi::server {
namespace {

std::vector<unsigned char> randomBytes(std::size_t byteCount) {
  std::vector<unsigned char> bytes(byteCount);
  randombytes_buf(bytes.data(), bytes.size());
  return bytes;
}

}  // namespace

std::string randomBase64Url(std::size_t byteCount) {
  return base64Url(randomBytes(byteCount));
}

std::string randomHex(std::size_t byteCount) {
  return hex(randomBytes(byteCount));
}

}  // namespace ondi::server
