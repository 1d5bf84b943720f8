#pragma once

#include <gtkmm/box.h>

#include "core/util/ScopedConnections.h"
#include "ui/settings/PreferenceSwitchRow.h"

namespace ondi {
class DesktopPreferencesController;
class ShellController;
}  // namespace ondi

namespace ondi::ui {

// The "Workspace" settings section: the studio inspector column and the daily command brief.
// Both work without an account.
class WorkspaceSettingsSection : public Gtk::Box {
 public:
  WorkspaceSettingsSection(DesktopPreferencesController& preferences, ShellController& shell);

 private:
  PreferenceSwitchRow inspector_;
  PreferenceSwitchRow dailyBrief_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
