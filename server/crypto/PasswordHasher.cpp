#include "crypto/PasswordHasher.h"

#include <stdexcept>

#include <sodium.h>

#include "crypto/SecureRandom.h"

namespace ondi::server {
namespace {

constexpr std::size_t kThrowawayPasswordBytes = 32;

}  // namespace

PasswordHasher::PasswordHasher() {
  auto throwaway = hash(randomBase64Url(kThrowawayPasswordBytes));
  if (!throwaway) throw std::runtime_error("Could not hash a password.");
  throwawayHash_ = *std::move(throwaway);
}

std::optional<std::string> PasswordHasher::hash(std::string_view password) const {
  char out[crypto_pwhash_STRBYTES];
  if (crypto_pwhash_str(out, password.data(), password.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                        crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
    return std::nullopt;
  }
  return std::string(out);
}

bool PasswordHasher::verify(std::string_view storedHash, std::string_view password) const {
  if (storedHash.size() >= crypto_pwhash_STRBYTES) return false;
  char stored[crypto_pwhash_STRBYTES] = {};
  storedHash.copy(stored, storedHash.size());
  return crypto_pwhash_str_verify(stored, password.data(), password.size()) == 0;
}

void PasswordHasher::verifyNothing(std::string_view password) const {
  verify(throwawayHash_, password);
}

}  // namespace ondi::server
