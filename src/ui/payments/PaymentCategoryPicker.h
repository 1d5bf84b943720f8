#pragma once

#include <vector>

#include <gtkmm/box.h>
#include <gtkmm/label.h>
#include <gtkmm/togglebutton.h>

#include "core/payments/AgentPaymentRecords.h"
#include "core/util/ScopedConnections.h"

namespace ondi {
class AgentPaymentStore;
}

namespace ondi::ui {

// One toggle per purchase category, in the categories' order, each saying "Allowed" or
// "Blocked" for the draft policy; pressing one allows or blocks that category.
class PaymentCategoryPicker : public Gtk::Box {
 public:
  explicit PaymentCategoryPicker(AgentPaymentStore& store);

 private:
  struct Choice {
    AgentPaymentCategory category;
    Gtk::ToggleButton* button;
    Gtk::Label* state;
  };

  void showDraft();

  AgentPaymentStore& store_;
  std::vector<Choice> choices_;
  bool showing_ = false;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
