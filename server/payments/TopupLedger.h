#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ondi::server {

class Database;
class ServiceClock;

// The top-ups that fund each account's card balance from its (simulated) funding bank. A top-up
// is pending until its settling time has passed by the service clock, then succeeded; settling
// happens when the account's top-ups are next read, so no timer runs. Each idempotency key of an
// account funds at most once, which the table's unique key enforces. The funding bank declines
// a top-up that would take the account's funding in one UTC day past $10,000; a declined top-up
// is not recorded, so its key may fund later.
class TopupLedger {
 public:
  static constexpr std::int64_t kDailyFundingCapCents = 1000000;

  struct Topup {
    std::int64_t amountCents = 0;
    // "pending" or "succeeded".
    std::string status;
    std::int64_t createdAt = 0;
    // When the funds become available.
    std::int64_t availableAt = 0;
  };

  enum class Outcome {
    funded,
    // The key funded before with the same amount: that top-up, not a second one.
    replayed,
    // The key funded before with another amount.
    keyReused,
    declined,
  };

  struct Funding {
    Outcome outcome;
    // The new or earlier top-up; the earlier one for keyReused; empty for declined.
    Topup topup;
  };

  TopupLedger(Database& database, const ServiceClock& clock, std::int64_t settleSeconds);

  // Settles the account's pending top-ups whose time has come.
  void settle(std::string_view accountId);
  Funding fund(std::string_view accountId, std::string_view idempotencyKey,
               std::int64_t amountCents);
  // The newest first.
  std::vector<Topup> recent(std::string_view accountId, int count);
  // Sums of the account's top-ups in that status.
  std::int64_t totalCents(std::string_view accountId, std::string_view status);

 private:
  Database& database_;
  const ServiceClock& clock_;
  const std::int64_t settleSeconds_;
};

}  // namespace ondi::server
