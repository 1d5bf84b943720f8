#include "ui/settings/AccountBoundContent.h"

#include "core/account/AccountState.h"

namespace ondi::ui {

AccountBoundContent::AccountBoundContent(const AccountState& account, const std::string& name,
                                         const std::string& signInLine)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 12), account_(account) {
  signInLine_.set_name(name + ".sign-in");
  signInLine_.set_text(signInLine);
  signInLine_.set_xalign(0);
  signInLine_.set_wrap(true);
  signInLine_.set_max_width_chars(1);  // wraps to the section's width
  signInLine_.set_hexpand(true);
  signInLine_.add_css_class("dim-label");
  content_.set_name(name + ".content");
  append(signInLine_);
  append(content_);
  connections_.add(
      account_.workspaceSessionState.changed().connect([this](const auto&) { showState(); }));
  showState();
}

void AccountBoundContent::showState() {
  const bool signedIn = account_.workspaceSessionState.get().isAuthenticated();
  signInLine_.set_visible(!signedIn);
  content_.set_visible(signedIn);
}

}  // namespace ondi::ui
