#include "ui/account/IntentSwitcher.h"

#include "core/account/AuthenticationController.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {

IntentSwitcher::IntentSwitcher(AuthenticationController& authentication)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL), authentication_(authentication) {
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
      if (button->get_active()) authentication_.setAuthenticationIntent(intent);
    });
    append(*button);
  }
  connections_.add(authentication_.state().authenticationIntent.changed().connect(
      [this](const auto&) { showIntent(); }));
  showIntent();
}

void IntentSwitcher::showIntent() {
  const bool signUp =
      authentication_.state().authenticationIntent.get() == DesktopAuthIntent::signUp;
  (signUp ? signUp_ : signIn_).set_active(true);
}

}  // namespace ondi::ui
