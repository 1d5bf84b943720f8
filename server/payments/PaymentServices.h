#pragma once

#include <cstdint>
#include <string>

#include "payments/PaymentAccountStore.h"
#include "payments/PurchaseLedger.h"
#include "payments/TopupLedger.h"

namespace ondi::server {

class Database;
class ServiceClock;

// The stand-in card issuer behind agent payments: whether this server offers it, each account's
// setup and policy, its top-ups and its agents' purchases, over the server's one database
// connection. Lives as long as the server serves.
struct PaymentServices {
  PaymentServices(bool available, Database& database, const ServiceClock& clock,
                  std::int64_t topupSettleSeconds)
      : available(available),
        database(database),
        clock(clock),
        accounts(database, clock),
        topups(database, clock, topupSettleSeconds),
        purchases(database) {}

  const bool available;
  Database& database;
  const ServiceClock& clock;
  PaymentAccountStore accounts;
  TopupLedger topups;
  PurchaseLedger purchases;
  // "http://HOST:PORT", where the onboarding page is opened; set once the server listens.
  std::string serviceOrigin;
};

struct PaymentBalances {
  // Settled top-ups less approved purchases.
  std::int64_t availableCents = 0;
  // Top-ups still settling.
  std::int64_t pendingCents = 0;
};

// The account's balances once its due top-ups have settled.
PaymentBalances currentBalances(PaymentServices& payments, const std::string& accountId);

}  // namespace ondi::server
