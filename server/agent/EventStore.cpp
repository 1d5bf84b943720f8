#include "agent/EventStore.h"

#include <string>

#include "ServiceClock.h"
#include "crypto/SecureRandom.h"
#include "db/Database.h"

namespace ondi::server {
namespace {

constexpr std::size_t kIdRandomBytes = 12;

}  // namespace

EventStore::EventStore(Database& database, const ServiceClock& clock)
    : database_(database), clock_(clock) {}

void EventStore::record(std::string_view accountId, std::string_view type, std::string_view title,
                        std::string_view detail, std::string_view status) {
  database_
      .prepare(
          "INSERT INTO agent_events (id, account_id, type, title, detail, status, created_at)"
          " VALUES (?, ?, ?, ?, ?, ?, ?)")
      .bind(1, "evt_" + randomHex(kIdRandomBytes))
      .bind(2, accountId)
      .bind(3, type)
      .bind(4, title)
      .bind(5, detail)
      .bind(6, status)
      .bind(7, clock_.now())
      .step();
}

std::vector<AgentEvent> EventStore::newestFirst(std::string_view accountId) {
  Statement query = database_.prepare(
      "SELECT id, type, title, detail, status, created_at FROM agent_events"
      " WHERE account_id = ? ORDER BY seq DESC LIMIT " +
      std::to_string(kListLimit));
  query.bind(1, accountId);
  std::vector<AgentEvent> events;
  while (query.step()) {
    events.push_back(AgentEvent{.id = query.columnText(0),
                                .type = query.columnText(1),
                                .title = query.columnText(2),
                                .detail = query.columnText(3),
                                .status = query.columnText(4),
                                .createdAt = query.columnInt64(5)});
  }
  return events;
}

}  // namespace ondi::server
