#include "ui/account/AccountActionBanner.h"

#include "core/account/AccountState.h"
#include "ui/account/AccountStyle.h"

namespace ondi::ui {

AccountActionBanner::AccountActionBanner(const AccountState& account)
    : account_(account), message_("account.actionErrorText", "dialog-warning-symbolic", "error") {
  installAccountStyle();
  set_name("account.actionError");
  set_transition_type(Gtk::RevealerTransitionType::SLIDE_DOWN);
  message_.add_css_class("ondi-banner");
  set_child(message_);
  connections_.add(
      account_.accountActionError.changed().connect([this](const auto&) { showError(); }));
  showError();
}

void AccountActionBanner::showError() {
  const std::string& error = account_.accountActionError.get();
  if (!error.empty()) message_.setText(error);
  set_reveal_child(!error.empty());
}

}  // namespace ondi::ui
