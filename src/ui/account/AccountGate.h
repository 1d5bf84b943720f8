#pragma once

#include <gtkmm/button.h>
#include <gtkmm/label.h>
#include <gtkmm/stack.h>

#include "core/util/ScopedConnections.h"
#include "ui/account/AuthenticationForm.h"

namespace ondi {
class AccountWebsite;
class AuthenticationController;
class WorkspaceSessionController;
}  // namespace ondi

namespace ondi::ui {

// What the content area shows until the account is confirmed: a note while the first check
// runs, the sign-in form when nobody is signed in, and a retry when the service is out of reach.
class AccountGate : public Gtk::Stack {
 public:
  AccountGate(AuthenticationController& authentication, WorkspaceSessionController& session,
              AccountWebsite& website);

 private:
  Gtk::Widget& buildCheckingPage();
  Gtk::Widget& buildSignInPage();
  Gtk::Widget& buildUnavailablePage();
  void showState();

  WorkspaceSessionController& session_;
  AccountWebsite& website_;
  AuthenticationForm form_;
  Gtk::Label unavailableMessage_;
  Gtk::Button retry_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
