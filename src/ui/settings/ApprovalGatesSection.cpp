#include "ui/settings/ApprovalGatesSection.h"

#include "core/account/DesktopPreferencesController.h"
#include "ui/settings/SettingsText.h"

namespace ondi::ui {

ApprovalGatesSection::ApprovalGatesSection(DesktopPreferencesController& preferences)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 12),
      bound_(preferences.state(), "approval-gates",
             "Sign in to choose which agent actions wait for your approval."),
      spend_("approval-gates.spend", "Ad spend changes",
             "Budget and bid changes wait for your review before they go live.",
             preferenceBinding(preferences, &DesktopAccountPreferences::requireApprovalForSpend)),
      customerMessages_(
          "approval-gates.customer-messages", "Customer-facing messages",
          "Replies and campaigns that reach customers wait for your review before they are sent.",
          preferenceBinding(preferences,
                            &DesktopAccountPreferences::requireApprovalForCustomerMessages)) {
  set_name("approval-gates-section");
  appendSectionHeading(*this, "Approval gates");
  bound_.content().append(spend_);
  bound_.content().append(customerMessages_);
  append(bound_);
  connections_.add(preferences.state().desktopPreferences.changed().connect([this](const auto&) {
    spend_.showCurrent();
    customerMessages_.showCurrent();
  }));
}

}  // namespace ondi::ui
