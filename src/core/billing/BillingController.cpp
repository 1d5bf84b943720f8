#include "core/billing/BillingController.h"

#include "core/billing/BillingRoute.h"
#include "core/browser/BrowserWorkspaceController.h"
#include "core/navigation/BillingAddress.h"
#include "core/navigation/NavigationState.h"
#include "core/ports/SettingsStore.h"
#include "core/util/Url.h"
#include "core/workspace/OperationsRecords.h"

namespace ondi {

BillingController::BillingController(Dependencies dependencies)
    : deps_(dependencies),
      selectedSection_(
          billingSectionFromRawValue(deps_.settings.stringValue(kBillingSectionKey, ""))
              .value_or(BillingSection::plans)) {
  connections_.add(
      deps_.navigation.activeRoute.changed().connect([this](const VelmoraRoute& route) {
        if (route.kind() == VelmoraRoute::Kind::pricing) select(BillingSection::plans);
      }));
}

void BillingController::select(BillingSection section) {
  deps_.settings.setString(kBillingSectionKey, rawValue(section));
  selectedSection_.set(section);
}

void BillingController::choosePlan(const PricingPlan& plan) {
  deps_.browser.openInAppBrowserTab(planURL(plan), billingTabTitle(plan));
}

std::string BillingController::planURL(const PricingPlan& plan) const {
  ServiceOrigin origin = deps_.origin;
  if (const auto base = Url::parse(deps_.serviceBaseURL())) {
    if (const auto root = base->resolve("/")) {
      origin.webOrigin = root->string();
      if (origin.webOrigin.ends_with('/')) origin.webOrigin.pop_back();
    }
  }
  return billingURL(origin, plan.id);
}

}  // namespace ondi
