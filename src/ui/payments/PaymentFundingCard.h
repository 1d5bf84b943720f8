#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>

#include "core/util/ScopedConnections.h"
#include "ui/payments/AmountStepper.h"

namespace ondi {
class AgentPaymentStore;
}

namespace ondi::ui {

// The balance of the card-issuing account, its state, the recent top-ups, and adding credit
// from the funding bank.
class PaymentFundingCard : public Gtk::Box {
 public:
  explicit PaymentFundingCard(AgentPaymentStore& store);

 private:
  void showAccount();
  void showActions();

  AgentPaymentStore& store_;
  Gtk::Label pill_;
  Gtk::Label balance_;
  Gtk::Label card_;
  Gtk::Label detail_;
  Gtk::Label missing_;
  Gtk::Box topups_{Gtk::Orientation::VERTICAL, 4};
  AmountStepper amount_;
  Gtk::Button refresh_{"Refresh"};
  Gtk::Button addCredit_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
