#include "messaging/MessagingRouteStore.h"

#include "ServiceClock.h"
#include "crypto/SecureRandom.h"
#include "db/Database.h"
#include "messaging/RouteCode.h"

namespace ondi::server {
namespace {

constexpr std::size_t kIdBytes = 12;

}  // namespace

MessagingRouteStore::MessagingRouteStore(Database& database, const ServiceClock& clock)
    : database_(database), clock_(clock) {}

std::optional<MessagingRouteStore::Route> MessagingRouteStore::find(std::string_view accountId) {
  Statement query = database_.prepare("SELECT id, code FROM messaging_routes WHERE account_id = ?");
  if (!query.bind(1, accountId).step()) return std::nullopt;
  return Route{query.columnText(0), query.columnText(1)};
}

std::string MessagingRouteStore::unusedCode() {
  std::string code = newRouteCode();
  while (isCurrentCode(code)) code = newRouteCode();
  return code;
}

MessagingRouteStore::Route MessagingRouteStore::routeFor(std::string_view accountId) {
  if (auto route = find(accountId)) return *route;
  database_
      .prepare(
          "INSERT INTO messaging_routes (account_id, id, code, created_at) VALUES (?, ?, ?, ?)")
      .bind(1, accountId)
      .bind(2, "route_" + randomHex(kIdBytes))
      .bind(3, unusedCode())
      .bind(4, clock_.now())
      .step();
  return *find(accountId);
}

MessagingRouteStore::Route MessagingRouteStore::rotate(std::string_view accountId) {
  routeFor(accountId);
  database_.prepare("UPDATE messaging_routes SET code = ? WHERE account_id = ?")
      .bind(1, unusedCode())
      .bind(2, accountId)
      .step();
  return *find(accountId);
}

bool MessagingRouteStore::isCurrentCode(std::string_view code) {
  return database_.prepare("SELECT 1 FROM messaging_routes WHERE code = ?").bind(1, code).step();
}

}  // namespace ondi::server
