#include "phone/PhoneLineStore.h"

#include <nlohmann/json.hpp>

#include "ServiceClock.h"
#include "crypto/SecureRandom.h"
#include "db/Database.h"

namespace ondi::server {
namespace {

constexpr std::size_t kIdBytes = 12;

std::string callersText(const std::vector<std::string>& callers) {
  return nlohmann::json(callers).dump();
}

std::vector<std::string> callersFrom(const std::string& text) {
  return nlohmann::json::parse(text).get<std::vector<std::string>>();
}

}  // namespace

PhoneLineStore::PhoneLineStore(Database& database, const ServiceClock& clock)
    : database_(database), clock_(clock) {}

std::optional<PhoneLineStore::Line> PhoneLineStore::find(std::string_view accountId) {
  Statement query = database_.prepare(
      "SELECT id, phone_number, label, agent_id, inbound_enabled, outbound_enabled,"
      " allowed_callers, status, sync_error, connected_at, last_synced_at"
      " FROM agent_phone_lines WHERE account_id = ?");
  if (!query.bind(1, accountId).step()) return std::nullopt;
  return Line{.id = query.columnText(0),
              .phoneNumber = query.columnText(1),
              .routing = {.label = query.columnText(2),
                          .agentId = query.columnText(3),
                          .inboundEnabled = query.columnInt64(4) != 0,
                          .outboundEnabled = query.columnInt64(5) != 0,
                          .allowedInboundCallers = callersFrom(query.columnText(6))},
              .status = query.columnText(7),
              .syncError = query.columnText(8),
              .connectedAt = query.columnInt64(9),
              .lastSyncedAt = query.columnInt64(10)};
}

void PhoneLineStore::connect(std::string_view accountId, const PhoneLinkRequest& request,
                             std::string_view sealedAuthToken) {
  const PhoneRouting& routing = request.routing;
  const std::int64_t now = clock_.now();
  database_
      .prepare(
          "INSERT INTO agent_phone_lines (account_id, id, account_sid, sealed_auth_token,"
          " phone_number, label, agent_id, inbound_enabled, outbound_enabled, allowed_callers,"
          " status, sync_error, connected_at, last_synced_at)"
          " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'active', '', ?, ?)")
      .bind(1, accountId)
      .bind(2, "line_" + randomHex(kIdBytes))
      .bind(3, request.accountSid)
      .bind(4, sealedAuthToken)
      .bind(5, request.phoneNumber)
      .bind(6, routing.label)
      .bind(7, routing.agentId)
      .bind(8, std::int64_t{routing.inboundEnabled})
      .bind(9, std::int64_t{routing.outboundEnabled})
      .bind(10, callersText(routing.allowedInboundCallers))
      .bind(11, now)
      .bind(12, now)
      .step();
}

std::optional<std::string> PhoneLineStore::sealedAuthToken(std::string_view accountId) {
  Statement query =
      database_.prepare("SELECT sealed_auth_token FROM agent_phone_lines WHERE account_id = ?");
  if (!query.bind(1, accountId).step()) return std::nullopt;
  return query.columnText(0);
}

void PhoneLineStore::saveRouting(std::string_view accountId, const PhoneRouting& routing,
                                 std::string_view syncError) {
  const bool synced = syncError.empty();
  database_
      .prepare(
          "UPDATE agent_phone_lines SET label = ?, agent_id = ?, inbound_enabled = ?,"
          " outbound_enabled = ?, allowed_callers = ?, status = ?, sync_error = ?,"
          " last_synced_at = CASE WHEN ? THEN ? ELSE last_synced_at END WHERE account_id = ?")
      .bind(1, routing.label)
      .bind(2, routing.agentId)
      .bind(3, std::int64_t{routing.inboundEnabled})
      .bind(4, std::int64_t{routing.outboundEnabled})
      .bind(5, callersText(routing.allowedInboundCallers))
      .bind(6, synced ? "active" : "needs_reconnect")
      // A copy, because an empty view may point nowhere, which SQLite would store as NULL.
      .bind(7, std::string(syncError))
      .bind(8, std::int64_t{synced})
      .bind(9, clock_.now())
      .bind(10, accountId)
      .step();
}

void PhoneLineStore::disconnect(std::string_view accountId) {
  database_.prepare("DELETE FROM agent_phone_lines WHERE account_id = ?").bind(1, accountId).step();
}

}  // namespace ondi::server
