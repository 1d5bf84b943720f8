#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/dropdown.h>
#include <gtkmm/entry.h>
#include <gtkmm/label.h>
#include <gtkmm/passwordentry.h>
#include <gtkmm/switch.h>
#include <gtkmm/textview.h>
#include <gtkmm/window.h>

#include <optional>
#include <string>
#include <vector>

#include "core/phone/AgentPhoneRecords.h"
#include "core/phone/AgentPhoneSetupDraft.h"
#include "core/util/Lifetime.h"
#include "core/util/ScopedConnections.h"
#include "ui/account/MessageRow.h"

namespace ondi {
class AgentPhoneController;
}

namespace ondi::ui {

// Connects a Twilio number to an agent, or edits the routing of the connected one. The Auth
// Token is typed into a password field that never shows it, and is cleared as soon as it has
// been sent.
class AgentPhoneSetupSheet : public Gtk::Window {
 public:
  explicit AgentPhoneSetupSheet(AgentPhoneController& phone);

  // Opens the sheet over `parent`: empty for a new connection, or filled from `line`.
  void present(Gtk::Window& parent, const std::optional<AgentPhoneLine>& line);

 private:
  Gtk::Box& credentialsGroup();
  Gtk::Box& connectedGroup();
  Gtk::Box& routingGroup();
  Gtk::Box& callingGroup();
  Gtk::Box& buttonRow();
  void showAgents();
  AgentPhoneSetupDraft draft() const;
  void updateSave();
  void save();

  AgentPhoneController& phone_;
  std::optional<AgentPhoneLine> line_;
  std::vector<std::string> agentIDs_;
  Gtk::Label title_;
  Gtk::Box credentials_{Gtk::Orientation::VERTICAL, 8};
  Gtk::Entry accountSid_;
  Gtk::PasswordEntry authToken_;
  Gtk::Entry phoneNumber_;
  Gtk::Box connected_{Gtk::Orientation::VERTICAL, 8};
  Gtk::Label maskedNumber_;
  Gtk::Entry label_;
  Gtk::DropDown agent_;
  Gtk::Switch inbound_;
  Gtk::Switch outbound_;
  Gtk::TextView callers_;
  MessageRow error_;
  Gtk::Button cancel_;
  Gtk::Button save_;
  Lifetime lifetime_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
