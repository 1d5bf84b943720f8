#pragma once

#include <gtkmm/window.h>

#include "core/util/ScopedConnections.h"
#include "ui/account/AuthenticationForm.h"

namespace ondi {
class AccountWebsite;
class AuthenticationController;
}  // namespace ondi

namespace ondi::ui {

// The account sheet: a modal window over the main window, shown while the account presents
// authentication. Closing it, with its close button, Escape or the window manager, dismisses
// the presentation.
class AuthenticationWindow : public Gtk::Window {
 public:
  AuthenticationWindow(AuthenticationController& authentication, AccountWebsite& website,
                       Gtk::Window& parent);

 private:
  void showPresentation();

  AuthenticationController& authentication_;
  AuthenticationForm form_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
