#pragma once

#include <gtkmm/box.h>
#include <gtkmm/dropdown.h>
#include <gtkmm/label.h>

#include "core/util/ScopedConnections.h"
#include "ui/settings/AccountBoundContent.h"
#include "ui/settings/PreferenceSwitchRow.h"

namespace ondi {
class DesktopPreferencesController;
class ModelProviderSelection;
}  // namespace ondi

namespace ondi::ui {

// The "Model routing" settings section: the default model for new agent messages, and whether
// Ondi may hand each task to the approved model that fits it when that model is automatic.
class ModelRoutingSection : public Gtk::Box {
 public:
  ModelRoutingSection(DesktopPreferencesController& preferences,
                      ModelProviderSelection& modelProvider);

 private:
  void showProvider();

  ModelProviderSelection& modelProvider_;
  Gtk::DropDown provider_;
  Gtk::Label activeSelection_;
  AccountBoundContent bound_;
  PreferenceSwitchRow handoff_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
