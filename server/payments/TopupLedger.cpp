#include "payments/TopupLedger.h"

#include <optional>

#include "ServiceClock.h"
#include "db/Database.h"
#include "db/Transaction.h"

namespace ondi::server {
namespace {

constexpr std::int64_t kSecondsPerDay = 24 * 60 * 60;

TopupLedger::Topup topupAt(const Statement& row) {
  return {.amountCents = row.columnInt64(0),
          .status = row.columnText(1),
          .createdAt = row.columnInt64(2),
          .availableAt = row.columnInt64(3)};
}

std::optional<TopupLedger::Topup> topupWithKey(Database& database, std::string_view accountId,
                                               std::string_view idempotencyKey) {
  Statement query = database.prepare(
      "SELECT amount_cents, status, created_at, available_at FROM agent_payment_topups"
      " WHERE account_id = ? AND idempotency_key = ?");
  if (!query.bind(1, accountId).bind(2, idempotencyKey).step()) return std::nullopt;
  return topupAt(query);
}

std::int64_t fundedSince(Database& database, std::string_view accountId, std::int64_t since) {
  Statement query = database.prepare(
      "SELECT COALESCE(SUM(amount_cents), 0) FROM agent_payment_topups"
      " WHERE account_id = ? AND created_at >= ?");
  query.bind(1, accountId).bind(2, since).step();
  return query.columnInt64(0);
}

}  // namespace

TopupLedger::TopupLedger(Database& database, const ServiceClock& clock, std::int64_t settleSeconds)
    : database_(database), clock_(clock), settleSeconds_(settleSeconds) {}

void TopupLedger::settle(std::string_view accountId) {
  database_
      .prepare(
          "UPDATE agent_payment_topups SET status = 'succeeded'"
          " WHERE account_id = ? AND status = 'pending' AND available_at <= ?")
      .bind(1, accountId)
      .bind(2, clock_.now())
      .step();
}

TopupLedger::Funding TopupLedger::fund(std::string_view accountId, std::string_view idempotencyKey,
                                       std::int64_t amountCents) {
  Transaction transaction(database_);
  // A replay answers with the top-up as it stands now, settled or not.
  settle(accountId);
  if (const auto earlier = topupWithKey(database_, accountId, idempotencyKey)) {
    transaction.commit();
    return {earlier->amountCents == amountCents ? Outcome::replayed : Outcome::keyReused, *earlier};
  }
  const std::int64_t now = clock_.now();
  if (fundedSince(database_, accountId, now - now % kSecondsPerDay) + amountCents >
      kDailyFundingCapCents) {
    return {Outcome::declined, {}};
  }
  const Topup topup{.amountCents = amountCents,
                    .status = "pending",
                    .createdAt = now,
                    .availableAt = now + settleSeconds_};
  database_
      .prepare(
          "INSERT INTO agent_payment_topups"
          " (account_id, idempotency_key, amount_cents, status, created_at, available_at)"
          " VALUES (?, ?, ?, 'pending', ?, ?)")
      .bind(1, accountId)
      .bind(2, idempotencyKey)
      .bind(3, amountCents)
      .bind(4, topup.createdAt)
      .bind(5, topup.availableAt)
      .step();
  transaction.commit();
  return {Outcome::funded, topup};
}

std::vector<TopupLedger::Topup> TopupLedger::recent(std::string_view accountId, int count) {
  Statement query = database_.prepare(
      "SELECT amount_cents, status, created_at, available_at FROM agent_payment_topups"
      " WHERE account_id = ? ORDER BY seq DESC LIMIT ?");
  query.bind(1, accountId).bind(2, std::int64_t{count});
  std::vector<Topup> topups;
  while (query.step()) topups.push_back(topupAt(query));
  return topups;
}

std::int64_t TopupLedger::totalCents(std::string_view accountId, std::string_view status) {
  Statement query = database_.prepare(
      "SELECT COALESCE(SUM(amount_cents), 0) FROM agent_payment_topups"
      " WHERE account_id = ? AND status = ?");
  query.bind(1, accountId).bind(2, status).step();
  return query.columnInt64(0);
}

}  // namespace ondi::server
