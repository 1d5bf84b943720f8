#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class Database;
class ServiceClock;

// One-time links that confirm an account's e-mail address. Only the SHA-256 of each link's token
// is kept.
class EmailVerificationStore {
 public:
  static constexpr std::int64_t kLifetimeSeconds = 24 * 60 * 60;

  EmailVerificationStore(Database& database, const ServiceClock& clock);

  // A new token for the account; earlier ones stay valid until used or expired.
  std::string issue(std::string_view accountId);

  // The account of an unexpired token. Using a token removes every token of that account, so
  // each link works once; an expired token is removed on its own.
  std::optional<std::string> redeem(std::string_view token);

 private:
  Database& database_;
  const ServiceClock& clock_;
};
