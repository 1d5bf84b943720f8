#pragma once

#include <gtkmm/box.h>

#include "core/util/ScopedConnections.h"
#include "ui/settings/AccountBoundContent.h"
#include "ui/settings/PreferenceSwitchRow.h"

namespace ondi {
class DesktopPreferencesController;
}

namespace ondi::ui {

// The "Approval gates" settings section: which of the agents' actions wait for the user.
class ApprovalGatesSection : public Gtk::Box {
 public:
  explicit ApprovalGatesSection(DesktopPreferencesController& preferences);

 private:
  AccountBoundContent bound_;
  PreferenceSwitchRow spend_;
  PreferenceSwitchRow customerMessages_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
