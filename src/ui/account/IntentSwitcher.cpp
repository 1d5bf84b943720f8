#include "ui/account/IntentSwitcher.h"

#include "core/app/DesktopBrowserModel.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {

IntentSwitcher::IntentSwitcher(DesktopBrowserModel& model)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL), model_(model) {
  set_name("auth.intent");
  add_css_class("linked");
  set_homogeneous(true);
  setAccessibleName(*this, "Account action");
  signIn_.set_label("Log in");
  signUp_.set_label("Create account");
  signUp_.set_group(signIn_);
  for (auto [button, intent] : {std::pair{&signIn_, DesktopAuthIntent::signIn},
                                std::pair{&signUp_, DesktopAuthIntent::signUp}}) {
    button->set_hexpand(true);
    button->signal_toggled().connect([this, button, intent] {
      if (button->get_active()) model_.setAuthenticationIntent(intent);
    });
    append(*button);
  }
  connections_.add(
      model_.account.authenticationIntent.changed().connect([this](const auto&) { showIntent(); }));
  showIntent();
}

void IntentSwitcher::showIntent() {
  const bool signUp = model_.account.authenticationIntent.get() == DesktopAuthIntent::signUp;
  (signUp ? signUp_ : signIn_).set_active(true);
}

}  // namespace ondi::ui
