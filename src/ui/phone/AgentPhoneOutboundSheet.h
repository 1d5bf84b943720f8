#pragma once

#include <gtkmm/button.h>
#include <gtkmm/entry.h>
#include <gtkmm/textview.h>
#include <gtkmm/window.h>

#include "core/util/Lifetime.h"
#include "core/util/ScopedConnections.h"
#include "ui/account/MessageRow.h"
#include "ui/phone/AgentPhoneConfirmation.h"

namespace ondi {
class AgentPhoneController;
}

namespace ondi::ui {

// Asks the line's agent to place one call: the destination and the call's objective, then a
// confirmation naming the agent and the number before anything is sent.
class AgentPhoneOutboundSheet : public Gtk::Window {
 public:
  explicit AgentPhoneOutboundSheet(AgentPhoneController& phone);

  void present(Gtk::Window& parent);

 private:
  std::string destination() const;
  std::string purpose() const;
  void updateReview();
  void review();
  void place();

  AgentPhoneController& phone_;
  Gtk::Entry destination_;
  Gtk::TextView purpose_;
  MessageRow error_;
  Gtk::Button cancel_;
  Gtk::Button review_;
  AgentPhoneConfirmation confirmation_;
  Lifetime lifetime_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
