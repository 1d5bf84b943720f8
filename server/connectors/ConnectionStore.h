#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace ondi::server {

class Database;
class ServiceClock;

// Each account's connections to the broker's apps. Starting an authorization records the app
// as initiated under a random link id that the authorization page carries; finishing it marks
// the app connected. Only the link id's SHA-256 is kept.
class ConnectionStore {
 public:
  static constexpr std::int64_t kLinkLifetimeSeconds = 15 * 60;

  enum class State { initiated, connected };
  using States = std::map<std::string, State, std::less<>>;
  struct Link {
    std::string accountId;
    std::string slug;
  };

  ConnectionStore(Database& database, const ServiceClock& clock);

  // The account's apps that are connected or waiting for authorization, by slug. Links that
  // expired unused are forgotten.
  States states(std::string_view accountId);
  // Starts (or restarts) the app's authorization and returns the new link id.
  std::string startAuthorization(std::string_view accountId, std::string_view slug);
  // The unexpired link of that id, without using it.
  std::optional<Link> findLink(std::string_view linkId);
  // Uses the link: the app becomes connected, or, when declined, is forgotten. Nothing for a
  // link that is unknown, used or expired.
  std::optional<Link> finishAuthorization(std::string_view linkId, bool approved);
  // Forgets the account's connection to the app; false when there was none.
  bool disconnect(std::string_view accountId, std::string_view slug);

 private:
  Database& database_;
  const ServiceClock& clock_;
};

}  // namespace ondi::server
