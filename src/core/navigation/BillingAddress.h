#pragma once

#include <optional>
#include <string>

#include "core/origin/ServiceOrigin.h"

namespace ondi {

// What the desktop client names itself as when it opens the service's billing page.
inline constexpr const char* kDesktopBillingSource = "mac_app";

// The service's web billing page: "/agent.html" with "source" and "surface=billing", and the
// plan asked for unless it is the free plan, which needs no checkout.
std::string billingURL(const ServiceOrigin& origin, const std::optional<std::string>& planID,
                       const std::string& source = kDesktopBillingSource);

}  // namespace ondi
