#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ondi::server {

// Seals secrets (the Twilio auth tokens of connected numbers) for storage with libsodium's
// secretbox, under a 32-byte key kept in a file of its own, so that a copy of the database alone
// reveals nothing. The key file is created with owner-only permissions when the first secret is
// sealed, and read again for every use.
class TokenVault {
 public:
  explicit TokenVault(std::filesystem::path keyFile);

  // The secret encrypted with a fresh nonce, as Base64 text. Throws std::runtime_error when the
  // key file cannot be created or read.
  std::string seal(std::string_view secret) const;

  // The secret, or nothing when the text was not sealed under the current key (the key file was
  // replaced or lost, or the text was altered).
  std::optional<std::string> open(std::string_view sealed) const;

 private:
  std::filesystem::path keyFile_;
};

}  // namespace ondi::server
