#include "phone/PhoneCallLog.h"

#include <array>

#include "ServiceClock.h"
#include "crypto/SecureRandom.h"
#include "db/Database.h"
#include "db/Transaction.h"

namespace ondi::server {
namespace {

constexpr std::size_t kIdBytes = 12;

struct Step {
  std::string_view status;
  std::int64_t afterSeconds;
};

constexpr std::array kSchedule{
    Step{"queued", 0},
    Step{"ringing", PhoneCallLog::kRingingAfterSeconds},
    Step{"in-progress", PhoneCallLog::kAnsweredAfterSeconds},
    Step{"completed", PhoneCallLog::kAnsweredAfterSeconds + PhoneCallLog::kConversationSeconds},
};

void recordChange(Database& database, std::int64_t callSeq, std::string_view status,
                  std::int64_t at) {
  database
      .prepare(
          "INSERT INTO agent_phone_call_events (call_seq, status, changed_at) VALUES (?, ?, ?)")
      .bind(1, callSeq)
      .bind(2, status)
      .bind(3, at)
      .step();
}

}  // namespace

PhoneCallLog::PhoneCallLog(Database& database, const ServiceClock& clock)
    : database_(database), clock_(clock) {}

PhoneCallLog::Call PhoneCallLog::place(std::string_view accountId, const Placement& placement) {
  const std::int64_t now = clock_.now();
  const std::string id = "call_" + randomHex(kIdBytes);
  Transaction transaction(database_);
  database_
      .prepare(
          "INSERT INTO agent_phone_calls (id, account_id, line_id, remote_number, agent_id,"
          " agent_name, purpose, status, started_at, updated_at)"
          " VALUES (?, ?, ?, ?, ?, ?, ?, 'queued', ?, ?)")
      .bind(1, id)
      .bind(2, accountId)
      .bind(3, placement.lineId)
      .bind(4, placement.remoteNumber)
      .bind(5, placement.agentId)
      .bind(6, placement.agentName)
      .bind(7, placement.purpose)
      .bind(8, now)
      .bind(9, now)
      .step();
  Statement seq = database_.prepare("SELECT seq FROM agent_phone_calls WHERE id = ?");
  seq.bind(1, id).step();
  recordChange(database_, seq.columnInt64(0), kSchedule.front().status, now);
  transaction.commit();
  return Call{.id = id,
              .lineId = std::string(placement.lineId),
              .remoteNumber = std::string(placement.remoteNumber),
              .agentId = std::string(placement.agentId),
              .agentName = std::string(placement.agentName),
              .purpose = std::string(placement.purpose),
              .status = std::string(kSchedule.front().status),
              .startedAt = now,
              .updatedAt = now,
              .completedAt = std::nullopt,
              .durationSeconds = std::nullopt};
}

void PhoneCallLog::bringUpToDate(std::string_view accountId) {
  struct OpenCall {
    std::int64_t seq;
    std::string status;
    std::int64_t startedAt;
  };
  std::vector<OpenCall> openCalls;
  Statement query = database_.prepare(
      "SELECT seq, status, started_at FROM agent_phone_calls"
      " WHERE account_id = ? AND status <> 'completed'");
  query.bind(1, accountId);
  while (query.step()) {
    openCalls.push_back({query.columnInt64(0), query.columnText(1), query.columnInt64(2)});
  }

  const std::int64_t now = clock_.now();
  Transaction transaction(database_);
  for (const OpenCall& call : openCalls) {
    bool passed = false;
    for (const Step& step : kSchedule) {
      const std::int64_t at = call.startedAt + step.afterSeconds;
      if (at > now) break;
      if (passed) advance(call.seq, step.status, at);
      passed = passed || step.status == call.status;
    }
  }
  transaction.commit();
}

void PhoneCallLog::advance(std::int64_t seq, std::string_view status, std::int64_t at) {
  recordChange(database_, seq, status, at);
  const bool completed = status == kSchedule.back().status;
  database_
      .prepare(
          "UPDATE agent_phone_calls SET status = ?, updated_at = ?,"
          " completed_at = CASE WHEN ? THEN ? END, duration_seconds = CASE WHEN ? THEN ? END"
          " WHERE seq = ?")
      .bind(1, status)
      .bind(2, at)
      .bind(3, std::int64_t{completed})
      .bind(4, at)
      .bind(5, std::int64_t{completed})
      .bind(6, kConversationSeconds)
      .bind(7, seq)
      .step();
}

std::vector<PhoneCallLog::Call> PhoneCallLog::recent(std::string_view accountId, int limit) {
  bringUpToDate(accountId);
  Statement query = database_.prepare(
      "SELECT id, line_id, remote_number, agent_id, agent_name, purpose, status, started_at,"
      " updated_at, completed_at, duration_seconds FROM agent_phone_calls"
      " WHERE account_id = ? ORDER BY started_at DESC, seq DESC LIMIT ?");
  query.bind(1, accountId).bind(2, std::int64_t{limit});
  std::vector<Call> calls;
  while (query.step()) {
    calls.push_back(Call{
        .id = query.columnText(0),
        .lineId = query.columnText(1),
        .remoteNumber = query.columnText(2),
        .agentId = query.columnText(3),
        .agentName = query.columnText(4),
        .purpose = query.columnText(5),
        .status = query.columnText(6),
        .startedAt = query.columnInt64(7),
        .updatedAt = query.columnInt64(8),
        .completedAt = query.columnIsNull(9) ? std::nullopt : std::optional(query.columnInt64(9)),
        .durationSeconds =
            query.columnIsNull(10) ? std::nullopt : std::optional(query.columnInt64(10))});
  }
  return calls;
}

std::int64_t PhoneCallLog::placedSince(std::string_view accountId, std::int64_t since) {
  Statement query = database_.prepare(
      "SELECT COUNT(*) FROM agent_phone_calls WHERE account_id = ? AND started_at > ?");
  query.bind(1, accountId).bind(2, since).step();
  return query.columnInt64(0);
}

}  // namespace ondi::server
