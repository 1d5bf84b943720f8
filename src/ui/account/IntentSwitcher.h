#pragma once

#include <gtkmm/box.h>
#include <gtkmm/togglebutton.h>

#include "core/util/ScopedConnections.h"

namespace ondi {
class DesktopBrowserModel;
}

namespace ondi::ui {

// The "Account action" picker: "Log in" or "Create account", bound to the model's
// authentication intent.
class IntentSwitcher : public Gtk::Box {
 public:
  explicit IntentSwitcher(DesktopBrowserModel& model);

 private:
  void showIntent();

  DesktopBrowserModel& model_;
  Gtk::ToggleButton signIn_;
  Gtk::ToggleButton signUp_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
