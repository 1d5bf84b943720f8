#pragma once

#include <gtkmm/box.h>
#include <gtkmm/stack.h>

#include "core/util/ScopedConnections.h"
#include "ui/payments/AgentPaymentView.h"

namespace ondi {
class BillingController;
class WorkspaceStore;
}  // namespace ondi

namespace ondi::ui {

// The billing screen: the plans on offer and the agent's payment envelope, one at a time as
// the section picker chooses.
class BillingScreen : public Gtk::Box {
 public:
  BillingScreen(BillingController& billing, const WorkspaceStore& workspace,
                AgentPaymentView::Inputs payment);

 private:
  void showSection();

  BillingController& billing_;
  Gtk::Stack pages_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
