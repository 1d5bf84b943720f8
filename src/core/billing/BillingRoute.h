#pragma once

#include <string>

namespace ondi {

struct PricingPlan;

// The in-app tab title of a plan's billing page: "Ondi " and the plan's name.
std::string billingTabTitle(const PricingPlan& plan);

}  // namespace ondi
