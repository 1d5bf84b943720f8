#pragma once

#include <gtkmm/revealer.h>

#include "core/util/ScopedConnections.h"
#include "ui/account/MessageRow.h"

namespace ondi {
struct AccountState;
}

namespace ondi::ui {

// A strip at the top of the content that reveals the last account action's failure (a sign-out,
// a settings or instructions sync) while the account reports one.
class AccountActionBanner : public Gtk::Revealer {
 public:
  explicit AccountActionBanner(const AccountState& account);

 private:
  void showError();

  const AccountState& account_;
  MessageRow message_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
