#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "payments/PaymentPolicy.h"

namespace ondi::server {

enum class PurchaseVerdict { approved, needsApproval, declined };

// "approved", "needs_approval" or "declined".
std::string_view verdictName(PurchaseVerdict verdict);

struct PurchaseDecision {
  PurchaseVerdict verdict = PurchaseVerdict::declined;
  // One finished sentence.
  std::string reason;
};

// What the decision weighs besides the purchase itself.
struct PurchaseContext {
  const PaymentPolicy& policy;
  // The agent that asks to buy.
  std::string_view agentId;
  // Approved purchases so far this UTC calendar month.
  std::int64_t spentThisMonthCents = 0;
  bool setupReady = false;
  std::int64_t availableCents = 0;
  std::optional<std::string> cardLast4;
};

// Only the policy's agent may spend. Its purchase is then checked in a fixed order, the first
// failing check deciding: a paused wallet, a category the policy does not allow, the per-purchase
// limit, the monthly limit; then an amount above the approval threshold, or any amount while
// automatic purchases are off, waits for the user's approval. A purchase that passes all of them
// is approved when setup is ready and the available balance covers it.
PurchaseDecision decidePurchase(const PurchaseContext& context, PaymentCategory category,
                                std::int64_t amountCents);

}  // namespace ondi::server
