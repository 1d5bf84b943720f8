#pragma once

#include <gtkmm/box.h>

#include "core/util/ScopedConnections.h"
#include "ui/settings/AccountBoundContent.h"
#include "ui/settings/PreferenceSwitchRow.h"

namespace ondi {
class DesktopPreferencesController;
}

namespace ondi::ui {

// The "Model routing" settings section: whether Ondi may hand each task to the approved model
// that fits it when the default model is automatic.
class ModelRoutingSection : public Gtk::Box {
 public:
  explicit ModelRoutingSection(DesktopPreferencesController& preferences);

 private:
  AccountBoundContent bound_;
  PreferenceSwitchRow handoff_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
