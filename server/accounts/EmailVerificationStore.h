#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ondi::server {

class Database;
class ServiceClock;

// One-time links that confirm an account's e-mail address. Each link belongs to the sign-up (or
// sign-in) that asked for it and carries the name and password hash typed there, so that
// confirming it makes exactly that password the account's, never one typed in another sign-up.
// Only the SHA-256 of each link's token is kept.
class EmailVerificationStore {
 public:
  static constexpr std::int64_t kLifetimeSeconds = 24 * 60 * 60;

  struct SignUp {
    std::string accountId;
    std::string name;
    std::string passwordHash;
  };

  EmailVerificationStore(Database& database, const ServiceClock& clock);

  // A new token for the sign-up; earlier ones stay valid until used or expired.
  std::string issue(const SignUp& signUp);

  // The sign-up of an unexpired token, leaving the token in place.
  std::optional<SignUp> find(std::string_view token);

  // The sign-up of an unexpired token. Using a token removes every token of that account, so
  // each link works once; an expired token is removed on its own.
  std::optional<SignUp> redeem(std::string_view token);

 private:
  Database& database_;
  const ServiceClock& clock_;
};

}  // namespace ondi::server
