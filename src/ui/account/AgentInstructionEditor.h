#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>
#include <gtkmm/textview.h>

#include <string>
#include <vector>

#include "core/util/Lifetime.h"
#include "ui/account/MessageRow.h"

namespace ondi {
class AgentInstructionsController;
struct AgentInstructionProfile;
}  // namespace ondi

namespace ondi::ui {

// The editor of one agent's standing instructions. Its text view holds the draft: it starts as
// the saved instructions, one per line, follows them while untouched, and is kept once edited.
class AgentInstructionEditor : public Gtk::Box {
 public:
  AgentInstructionEditor(AgentInstructionsController& instructions, std::string profileID);

  // Shows the profile's current name and role, and its instructions while the draft is untouched.
  void showProfile();

 private:
  const AgentInstructionProfile* profile() const;
  void save(const std::string& text, std::string successMessage);
  void restoreDefaults();
  void setDraft(const std::vector<std::string>& instructions);
  void showSaving(bool saving);

  AgentInstructionsController& instructions_;
  std::string profileID_;
  Gtk::Label name_;
  Gtk::Label role_;
  Gtk::TextView draft_;
  Gtk::Label hint_;
  MessageRow saved_;
  MessageRow failed_;
  Gtk::Button restore_;
  Gtk::Button save_;
  bool saving_ = false;
  // Whether the person changed the draft since it last showed saved instructions.
  bool edited_ = false;
  bool showingSaved_ = false;
  Lifetime lifetime_;
};

}  // namespace ondi::ui
