#include "core/billing/BillingSection.h"

namespace ondi {

std::string rawValue(BillingSection section) {
  return section == BillingSection::plans ? "plans" : "agentPayment";
}

std::optional<BillingSection> billingSectionFromRawValue(const std::string& raw) {
  for (BillingSection section : kAllBillingSections) {
    if (rawValue(section) == raw) return section;
  }
  return std::nullopt;
}

std::string title(BillingSection section) {
  return section == BillingSection::plans ? "Plans" : "Agent Payment";
}

}  // namespace ondi
