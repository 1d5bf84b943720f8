#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ondi::server {

class Database;
class ServiceClock;

// Signed-in sessions. A session is named by a random token that only its holder knows; the table
// keeps the token's SHA-256, so a copy of the database signs nobody in.
class SessionStore {
 public:
  static constexpr std::int64_t kLifetimeSeconds = 30 * 24 * 60 * 60;

  SessionStore(Database& database, const ServiceClock& clock);

  // Starts a session for the account and returns its token: 32 random bytes in URL-safe Base64.
  std::string start(std::string_view accountId);

  // The account of an unexpired session; an expired one is removed.
  std::optional<std::string> accountFor(std::string_view token);

  void end(std::string_view token);

 private:
  Database& database_;
  const ServiceClock& clock_;
};

}  // namespace ondi::server
