#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ondi::server {

class Database;
class ServiceClock;

// Each account's private messaging route: made the first time it is asked for, one per account.
// Its code is unique among all routes; rotating gives a new code, and the old one stops naming
// the route at once.
class MessagingRouteStore {
 public:
  struct Route {
    std::string id;
    std::string code;
  };

  MessagingRouteStore(Database& database, const ServiceClock& clock);

  Route routeFor(std::string_view accountId);
  Route rotate(std::string_view accountId);
  // Whether the code is the current code of some route.
  bool isCurrentCode(std::string_view code);

 private:
  std::optional<Route> find(std::string_view accountId);
  // A fresh code that no route holds.
  std::string unusedCode();

  Database& database_;
  const ServiceClock& clock_;
};

}  // namespace ondi::server
