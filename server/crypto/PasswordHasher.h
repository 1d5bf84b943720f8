#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ondi::server {

// Argon2id password hashes in libsodium's self-describing string form, at its "interactive"
// cost. Hashing and checking take a noticeable fraction of a second by design, so the server runs
// them on worker threads; every call is safe from any thread.
class PasswordHasher {
 public:
  // Computes the throwaway hash that verifyNothing checks against.
  PasswordHasher();

  // Nothing when the hash cannot be computed (out of memory).
  std::optional<std::string> hash(std::string_view password) const;

  bool verify(std::string_view storedHash, std::string_view password) const;

  // Spends the time of a real check against a throwaway hash, so that an unknown account answers
  // no faster than a wrong password.
  void verifyNothing(std::string_view password) const;

 private:
  std::string throwawayHash_;
};

}  // namespace ondi::server
