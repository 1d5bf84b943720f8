#include "payments/PaymentServices.h"

namespace ondi::server {

PaymentBalances currentBalances(PaymentServices& payments, const std::string& accountId) {
  payments.topups.settle(accountId);
  return {.availableCents = payments.topups.totalCents(accountId, "succeeded") -
                            payments.purchases.approvedSince(accountId, 0),
          .pendingCents = payments.topups.totalCents(accountId, "pending")};
}

}  // namespace ondi::server
