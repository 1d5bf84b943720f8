#include "ui/account/AccountActionBanner.h"

#include "core/app/DesktopBrowserModel.h"
#include "ui/account/AccountStyle.h"

namespace ondi::ui {

AccountActionBanner::AccountActionBanner(DesktopBrowserModel& model)
    : model_(model), message_("account.actionErrorText", "dialog-warning-symbolic", "error") {
  installAccountStyle();
  set_name("account.actionError");
  set_transition_type(Gtk::RevealerTransitionType::SLIDE_DOWN);
  message_.add_css_class("ondi-banner");
  set_child(message_);
  connections_.add(
      model_.account.accountActionError.changed().connect([this](const auto&) { showError(); }));
  showError();
}

void AccountActionBanner::showError() {
  const std::string& error = model_.account.accountActionError.get();
  if (!error.empty()) message_.setText(error);
  set_reveal_child(!error.empty());
}

}  // namespace ondi::ui
