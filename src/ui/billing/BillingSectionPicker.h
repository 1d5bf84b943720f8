#pragma once

#include <gtkmm/box.h>
#include <gtkmm/togglebutton.h>

#include <array>

#include "core/billing/BillingSection.h"
#include "core/util/ScopedConnections.h"

namespace ondi {
class BillingController;
}

namespace ondi::ui {

// The segmented control "Billing section" that switches between the plans and the agent's
// payment envelope; the choice is the controller's, which keeps it.
class BillingSectionPicker : public Gtk::Box {
 public:
  explicit BillingSectionPicker(BillingController& billing);

 private:
  void showSelection();

  BillingController& billing_;
  std::array<Gtk::ToggleButton, kAllBillingSections.size()> segments_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
