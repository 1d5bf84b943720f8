#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "payments/PurchaseDecision.h"

namespace ondi::server {

class Database;

// Every purchase an agent asked for, with the decision taken and why. Approved purchases are
// what the card was charged: they draw on the balance and count against the monthly limit.
class PurchaseLedger {
 public:
  struct Purchase {
    std::string agentId;
    PaymentCategory category;
    std::int64_t amountCents = 0;
    PurchaseDecision decision;
    std::int64_t createdAt = 0;
  };

  explicit PurchaseLedger(Database& database);

  void record(std::string_view accountId, const Purchase& purchase);
  // The sum of the account's approved purchases made at or after that time.
  std::int64_t approvedSince(std::string_view accountId, std::int64_t since);

 private:
  Database& database_;
};

}  // namespace ondi::server
