#include "payments/PurchaseLedger.h"

#include "db/Database.h"

namespace ondi::server {

PurchaseLedger::PurchaseLedger(Database& database) : database_(database) {}

void PurchaseLedger::record(std::string_view accountId, const Purchase& purchase) {
  database_
      .prepare(
          "INSERT INTO agent_payment_purchases"
          " (account_id, agent_id, category, amount_cents, decision, reason, created_at)"
          " VALUES (?, ?, ?, ?, ?, ?, ?)")
      .bind(1, accountId)
      .bind(2, purchase.agentId)
      .bind(3, categoryName(purchase.category))
      .bind(4, purchase.amountCents)
      .bind(5, verdictName(purchase.decision.verdict))
      .bind(6, purchase.decision.reason)
      .bind(7, purchase.createdAt)
      .step();
}

std::int64_t PurchaseLedger::approvedSince(std::string_view accountId, std::int64_t since) {
  Statement query = database_.prepare(
      "SELECT COALESCE(SUM(amount_cents), 0) FROM agent_payment_purchases"
      " WHERE account_id = ? AND decision = 'approved' AND created_at >= ?");
  query.bind(1, accountId).bind(2, since).step();
  return query.columnInt64(0);
}

}  // namespace ondi::server
