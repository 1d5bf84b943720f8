#include "core/billing/BillingRoute.h"

#include "core/workspace/OperationsRecords.h"

namespace ondi {

std::string billingTabTitle(const PricingPlan& plan) {
  return "Ondi " + plan.name;
}

}  // namespace ondi
