#pragma once

#include <gtkmm/box.h>
#include <gtkmm/switch.h>

#include <functional>
#include <string>

#include "core/util/ScopedConnections.h"

namespace ondi {
class DesktopPreferencesController;
struct DesktopAccountPreferences;
}  // namespace ondi

namespace ondi::ui {

// A switch with its title and an optional explanation, for one yes-or-no setting. It shows
// what `read` says and hands every flip to `write`; the owner of the setting decides what
// follows, and the switch shows the result whenever `changed` fires.
class PreferenceSwitchRow : public Gtk::Box {
 public:
  struct Binding {
    std::function<bool()> read;
    std::function<void(bool)> write;
  };

  PreferenceSwitchRow(const std::string& name, const std::string& title, const std::string& detail,
                      Binding binding);

  // Shows the setting's current value.
  void showCurrent();
  Gtk::Switch& control() { return switch_; }

 private:
  Binding binding_;
  Gtk::Switch switch_;
  ScopedConnections connections_;
};

// Reads and writes one switch of the account's preferences, through the preference update.
PreferenceSwitchRow::Binding preferenceBinding(DesktopPreferencesController& preferences,
                                               bool DesktopAccountPreferences::*field);

}  // namespace ondi::ui
