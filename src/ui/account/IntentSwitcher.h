#pragma once

#include <gtkmm/box.h>
#include <gtkmm/togglebutton.h>

#include "core/util/ScopedConnections.h"

namespace ondi {
class AuthenticationController;
}

namespace ondi::ui {

// The "Account action" picker: "Log in" or "Create account", bound to the account's
// authentication intent.
class IntentSwitcher : public Gtk::Box {
 public:
  explicit IntentSwitcher(AuthenticationController& authentication);

 private:
  void showIntent();

  AuthenticationController& authentication_;
  Gtk::ToggleButton signIn_;
  Gtk::ToggleButton signUp_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
