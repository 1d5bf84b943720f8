#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ondi::server {

class Database;
class ServiceClock;

// The Google sign-ins waiting on the consent page: what the app asked for, under a random id that
// the page's form carries back. Only the id's SHA-256 is kept.
class GoogleRequestStore {
 public:
  static constexpr std::int64_t kLifetimeSeconds = 10 * 60;

  struct Pending {
    // "sign-in" or "sign-up".
    std::string intent;
    // The app's PKCE S256 challenge.
    std::string challenge;
  };

  GoogleRequestStore(Database& database, const ServiceClock& clock);

  // The unexpired requests; the expired ones are dropped.
  std::int64_t pendingCount();

  // Records the request and returns its id.
  std::string open(const Pending& request);

  // The unexpired request of that id. Taking it removes it, so a consent page answers once.
  std::optional<Pending> take(std::string_view id);

 private:
  Database& database_;
  const ServiceClock& clock_;
};

}  // namespace ondi::server
