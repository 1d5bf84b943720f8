#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>

#include "core/util/ScopedConnections.h"

namespace ondi {
class AuthenticationController;
class WorkspaceSessionController;
}  // namespace ondi

namespace ondi::ui {

// The "Account" settings section: who is signed in and how, and the account actions that fit
// the session's state (switch or sign out; sign in or create an account; try again).
class AccountSection : public Gtk::Box {
 public:
  AccountSection(AuthenticationController& authentication, WorkspaceSessionController& session);

 private:
  Gtk::Button& actionButton(Gtk::Button& button, const char* name, const char* label);
  void showState();

  AuthenticationController& authentication_;
  Gtk::Label status_;
  Gtk::Box identity_{Gtk::Orientation::VERTICAL, 8};
  Gtk::Label* email_ = nullptr;
  Gtk::Label* method_ = nullptr;
  Gtk::Box actions_{Gtk::Orientation::HORIZONTAL, 8};
  Gtk::Button switchAccount_;
  Gtk::Button signOut_;
  Gtk::Button signIn_;
  Gtk::Button createAccount_;
  Gtk::Button retry_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
