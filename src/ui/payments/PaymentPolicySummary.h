#pragma once

#include <vector>

#include <gtkmm/box.h>
#include <gtkmm/label.h>

#include "core/published/Published.h"
#include "core/util/ScopedConnections.h"
#include "core/workspace/OperationsRecords.h"

namespace ondi {
class AgentPaymentStore;
}

namespace ondi::ui {

// The draft policy at a glance: paused or not, the agent, the limits, automatic spending.
class PaymentPolicySummary : public Gtk::Box {
 public:
  PaymentPolicySummary(const AgentPaymentStore& store,
                       const Published<std::vector<AgentProfile>>& agents);

 private:
  void showDraft();
  Gtk::Label& addRow(const std::string& name, const std::string& title);

  const AgentPaymentStore& store_;
  const Published<std::vector<AgentProfile>>& agents_;
  Gtk::Label pill_;
  Gtk::Box rows_{Gtk::Orientation::VERTICAL, 6};
  Gtk::Label& agent_;
  Gtk::Label& monthly_;
  Gtk::Label& perPurchase_;
  Gtk::Label& threshold_;
  Gtk::Label& automatic_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
