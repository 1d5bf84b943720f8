#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "phone/PhoneRequests.h"

namespace ondi::server {

class Database;
class ServiceClock;

// The one Twilio number each account may connect, its routing, and the state of its last sync
// with Twilio. The auth token is kept only as the vault sealed it.
class PhoneLineStore {
 public:
  struct Line {
    std::string id;
    std::string phoneNumber;
    PhoneRouting routing;
    // "active", or "needs_reconnect" when the saved credentials could no longer be used.
    std::string status;
    // Empty when the last sync succeeded.
    std::string syncError;
    std::int64_t connectedAt = 0;
    std::int64_t lastSyncedAt = 0;
  };

  PhoneLineStore(Database& database, const ServiceClock& clock);

  std::optional<Line> find(std::string_view accountId);
  // Connects the number, synced now; the account must have none.
  void connect(std::string_view accountId, const PhoneLinkRequest& request,
               std::string_view sealedAuthToken);
  std::optional<std::string> sealedAuthToken(std::string_view accountId);
  // Stores the routing. An empty sync error marks the line active and synced now; otherwise the
  // line needs reconnecting and keeps its last sync time.
  void saveRouting(std::string_view accountId, const PhoneRouting& routing,
                   std::string_view syncError);
  // Forgets the number and its credentials.
  void disconnect(std::string_view accountId);

 private:
  Database& database_;
  const ServiceClock& clock_;
};

}  // namespace ondi::server
