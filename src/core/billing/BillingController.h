#pragma once

#include <functional>
#include <string>

#include "core/billing/BillingSection.h"
#include "core/origin/ServiceOrigin.h"
#include "core/published/Published.h"
#include "core/util/ScopedConnections.h"

namespace ondi {

class BrowserWorkspaceController;
class SettingsStore;
struct NavigationState;
struct PricingPlan;

// The billing screen's state and its one action. The chosen section is kept in the user
// defaults, and the screen opens on the plans each time the billing route is loaded. Choosing
// a plan opens the service's billing page in a new in-app tab: payment is never taken here.
class BillingController {
 public:
  struct Dependencies {
    SettingsStore& settings;
    const ServiceOrigin& origin;
    // The address every page of the service is loaded from now (the API base the environment
    // names, else the one the build names); plan pages open on its origin.
    std::function<std::string()> serviceBaseURL;
    BrowserWorkspaceController& browser;
    const NavigationState& navigation;
  };

  explicit BillingController(Dependencies dependencies);
  BillingController(const BillingController&) = delete;
  BillingController& operator=(const BillingController&) = delete;

  const Published<BillingSection>& selectedSection() const { return selectedSection_; }
  void select(BillingSection section);

  // Opens the plan's billing page in a new in-app tab titled "Ondi " and the plan's name.
  void choosePlan(const PricingPlan& plan);

 private:
  std::string planURL(const PricingPlan& plan) const;

  Dependencies deps_;
  Published<BillingSection> selectedSection_;
  ScopedConnections connections_;
};

}  // namespace ondi
