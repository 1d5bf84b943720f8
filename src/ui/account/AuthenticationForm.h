#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>

#include <vector>

#include "core/util/ScopedConnections.h"
#include "ui/account/FormField.h"
#include "ui/account/IntentSwitcher.h"
#include "ui/account/MessageRow.h"

namespace ondi {
class AccountWebsite;
class AuthenticationController;
}  // namespace ondi

namespace ondi::ui {

// The account sheet's content: log in or create an account with e-mail and password, or
// continue with Google. Everything it shows follows the account's authentication fields.
class AuthenticationForm : public Gtk::Box {
 public:
  enum class Dismissal { allowed, notAllowed };

  AuthenticationForm(AuthenticationController& authentication, AccountWebsite& website,
                     Dismissal dismissal);

 private:
  Gtk::Widget& buildHeader(Dismissal dismissal);
  Gtk::Widget& buildButtons();
  Gtk::Widget& buildFooter();
  void observeModel();
  void showIntent();
  void showProgress();
  // The fields a person can fill in now, in the order Enter moves through them.
  std::vector<FormField*> visibleFields();
  void activateField(FormField& field);
  void submit();
  void focusFirstField();
  void forgetPasswords();

  AuthenticationController& authentication_;
  AccountWebsite& website_;
  Gtk::Button close_;
  Gtk::Label title_;
  Gtk::Label identityLine_;
  IntentSwitcher intent_;
  Gtk::Label passwordUnavailable_;
  FormField name_;
  FormField email_;
  FormField password_;
  FormField confirmation_;
  MessageRow notice_;
  MessageRow error_;
  Gtk::Button submit_;
  Gtk::Label submitLabel_;
  Gtk::Button google_;
  Gtk::Label googleLabel_;
  Gtk::Label hint_;
  Gtk::Label protectedNote_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
