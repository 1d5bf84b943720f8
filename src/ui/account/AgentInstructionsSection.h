#pragma once

#include <gtkmm/box.h>
#include <gtkmm/label.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/util/ScopedConnections.h"
#include "ui/account/AgentInstructionEditor.h"

namespace ondi {
class AgentInstructionsController;
}

namespace ondi::ui {

// The settings section where a signed-in user edits the standing instructions of each agent.
// It keeps one editor, and so one draft, per profile id while the account stays signed in.
class AgentInstructionsSection : public Gtk::Box {
 public:
  explicit AgentInstructionsSection(AgentInstructionsController& instructions);

 private:
  void showProfiles();
  void placeEditors();

  AgentInstructionsController& instructions_;
  Gtk::Label heading_;
  Gtk::Label explanation_;
  Gtk::Label placeholder_;
  Gtk::Box editors_{Gtk::Orientation::VERTICAL, 16};
  std::map<std::string, std::unique_ptr<AgentInstructionEditor>> editorsByID_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
