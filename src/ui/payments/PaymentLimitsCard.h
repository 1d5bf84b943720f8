#pragma once

#include <string>
#include <vector>

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/dropdown.h>
#include <gtkmm/label.h>
#include <gtkmm/stringlist.h>
#include <gtkmm/switch.h>

#include "core/published/Published.h"
#include "core/util/ScopedConnections.h"
#include "core/workspace/OperationsRecords.h"
#include "ui/payments/AmountStepper.h"

namespace ondi {
class AgentPaymentStore;
}

namespace ondi::ui {

// The draft spending policy: its three limits, the assigned agent, whether the agent may buy
// below the threshold on its own, whether the wallet is paused, the categories, what keeps the
// draft from being saved, and saving or discarding it.
class PaymentLimitsCard : public Gtk::Box {
 public:
  PaymentLimitsCard(AgentPaymentStore& store, const Published<std::vector<AgentProfile>>& agents);

 private:
  void showDraft();
  void showAgents();
  void showChecks();

  AgentPaymentStore& store_;
  const Published<std::vector<AgentProfile>>& agents_;
  AmountStepper monthly_;
  AmountStepper perPurchase_;
  AmountStepper threshold_;
  Glib::RefPtr<Gtk::StringList> agentNames_ = Gtk::StringList::create({});
  // The agent ids in the picker's order.
  std::vector<std::string> agentIDs_;
  Gtk::DropDown agent_;
  Gtk::Switch automatic_;
  Gtk::Switch paused_;
  Gtk::Box issues_{Gtk::Orientation::VERTICAL, 4};
  Gtk::Label status_;
  Gtk::Button discard_{"Discard Changes"};
  Gtk::Button save_{"Save Server Policy"};
  bool showing_ = false;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
