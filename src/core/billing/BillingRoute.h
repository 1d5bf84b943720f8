#pragma once

#include <optional>
#include <string>

#include "core/app/ServiceOrigin.h"

namespace ondi {

struct PricingPlan;

// What the desktop client names itself as when it opens the service's billing page.
inline constexpr const char* kDesktopBillingSource = "mac_app";

// The service's web billing page: "/agent.html" with "source" and "surface=billing", and the
// plan asked for unless it is the free plan, which needs no checkout.
std::string billingURL(const ServiceOrigin& origin, const std::optional<std::string>& planID,
                       const std::string& source = kDesktopBillingSource);

// The in-app tab title of a plan's billing page: "Ondi " and the plan's name.
std::string billingTabTitle(const PricingPlan& plan);

}  // namespace ondi
