#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ondi::server {

class Database;
class ServiceClock;

// The one-time codes that the Google stand-in hands to the app through its callback address. A
// code is bound to the PKCE challenge of the request that produced it, lives five minutes and can
// be presented once. Only its SHA-256 is kept.
class GoogleCodeStore {
 public:
  static constexpr std::int64_t kLifetimeSeconds = 5 * 60;

  struct Grant {
    std::string accountId;
    std::string challenge;
  };

  GoogleCodeStore(Database& database, const ServiceClock& clock);

  // A new code: 32 random bytes in URL-safe Base64.
  std::string issue(std::string_view accountId, std::string_view challenge,
                    std::string_view intent);

  // Uses the code up, whatever happens next, and returns what it grants when it was unused and
  // unexpired. The caller still has to check the verifier against the challenge.
  std::optional<Grant> redeem(std::string_view code);

 private:
  Database& database_;
  const ServiceClock& clock_;
};

}  // namespace ondi::server
