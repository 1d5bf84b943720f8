#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>
#include <gtkmm/linkbutton.h>
#include <gtkmm/passwordentry.h>
#include <gtkmm/switch.h>

#include <vector>

#include "core/assist/OpenAIKeySettings.h"
#include "core/util/ScopedConnections.h"

namespace ondi {
class DesktopPreferencesController;
class OpenAIKeychain;
}  // namespace ondi

namespace ondi::ui {

// The settings section of the direct OpenAI fallback: its switch, the model it uses, and the
// signed-in account's API key, which can be saved or removed but is never shown again.
class OpenAISettingsSection : public Gtk::Box {
 public:
  OpenAISettingsSection(DesktopPreferencesController& preferences, OpenAIKeychain& keychain);

 private:
  Gtk::Box& labelledRow(const char* title, Gtk::Widget& value);
  void showPreferences();
  void showStatus();
  void setBusy(bool busy);
  void show(const OpenAIKeySettings::Outcome& outcome);
  void save();

  DesktopPreferencesController& preferences_;
  OpenAIKeySettings keySettings_;
  Gtk::Label heading_;
  Gtk::Box editors_{Gtk::Orientation::VERTICAL, 12};
  Gtk::Switch fallback_;
  Gtk::Label modelName_;
  Gtk::PasswordEntry key_;
  Gtk::Button save_;
  Gtk::Button remove_;
  Gtk::LinkButton createKey_;
  Gtk::Label status_;
  Gtk::Label note_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
