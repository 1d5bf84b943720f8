#include "core/billing/BillingController.h"

#include "core/billing/BillingRoute.h"
#include "core/browser/BrowserWorkspaceController.h"
#include "core/navigation/BillingAddress.h"
#include "core/navigation/NavigationState.h"
#include "core/ports/SettingsStore.h"
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
  deps_.browser.openInAppBrowserTab(billingURL(deps_.origin, plan.id), billingTabTitle(plan));
}

}  // namespace ondi
