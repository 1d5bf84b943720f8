#include "payments/PurchaseDecision.h"

#include "payments/Money.h"

namespace ondi::server {
namespace {

PurchaseDecision declined(std::string reason) {
  return {PurchaseVerdict::declined, std::move(reason)};
}

std::string capitalized(std::string_view word) {
  std::string text(word);
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 32);
  return text;
}

}  // namespace

std::string_view verdictName(PurchaseVerdict verdict) {
  switch (verdict) {
    case PurchaseVerdict::approved:
      return "approved";
    case PurchaseVerdict::needsApproval:
      return "needs_approval";
    case PurchaseVerdict::declined:
      return "declined";
  }
  return "";
}

PurchaseDecision decidePurchase(const PurchaseContext& context, PaymentCategory category,
                                std::int64_t amountCents) {
  const PaymentPolicy& policy = context.policy;
  const std::string amount = dollarsText(amountCents);
  if (context.agentId != policy.agentId) {
    return declined("Only the agent \"" + policy.agentId +
                    "\" may spend from this wallet, and this request came from \"" +
                    std::string(context.agentId) + "\".");
  }
  if (policy.isPaused) return declined("The wallet is paused.");
  if (!policy.allowedCategories.contains(category)) {
    return declined(capitalized(categoryName(category)) +
                    " purchases are not allowed by the policy.");
  }
  if (amountCents > policy.perPurchaseLimitCents) {
    return declined(amount + " is over the per-purchase limit of " +
                    dollarsText(policy.perPurchaseLimitCents) + ".");
  }
  if (context.spentThisMonthCents + amountCents > policy.monthlyLimitCents) {
    return declined(amount + " would take this month's spending to " +
                    dollarsText(context.spentThisMonthCents + amountCents) +
                    ", over the monthly limit of " + dollarsText(policy.monthlyLimitCents) + ".");
  }
  if (!policy.allowsAutomaticPurchases) {
    return {PurchaseVerdict::needsApproval,
            "Automatic purchases are off, so every purchase waits for your approval."};
  }
  if (amountCents > policy.approvalThresholdCents) {
    return {PurchaseVerdict::needsApproval, amount + " is above the approval threshold of " +
                                                dollarsText(policy.approvalThresholdCents) + "."};
  }
  if (!context.setupReady) return declined("Finish Stripe onboarding before the agent can spend.");
  if (context.availableCents < amountCents) {
    return declined("The available balance of " + dollarsText(context.availableCents) +
                    " does not cover " + amount + ".");
  }
  return {PurchaseVerdict::approved, "Within the policy; charged to the virtual card ending " +
                                         context.cardLast4.value_or("----") + "."};
}

}  // namespace ondi::server
