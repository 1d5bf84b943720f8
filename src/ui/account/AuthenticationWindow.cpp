#include "ui/account/AuthenticationWindow.h"

#include <gtkmm/eventcontrollerkey.h>
#include <gtkmm/windowhandle.h>

#include "core/account/AuthenticationController.h"

namespace ondi::ui {

AuthenticationWindow::AuthenticationWindow(AuthenticationController& authentication,
                                           AccountWebsite& website, Gtk::Window& parent)
    : authentication_(authentication),
      form_(authentication, website, AuthenticationForm::Dismissal::allowed) {
  set_name("authenticationWindow");
  set_title("Ondi Account");
  set_modal(true);
  set_transient_for(parent);
  set_resizable(false);
  set_hide_on_close(true);
  // The form draws its own header with the close button; an empty title bar keeps the
  // window's frame without a second header, and the handle lets the whole sheet be dragged.
  auto* noTitlebar = Gtk::make_managed<Gtk::Box>();
  noTitlebar->set_visible(false);
  set_titlebar(*noTitlebar);
  auto* handle = Gtk::make_managed<Gtk::WindowHandle>();
  form_.set_margin(24);
  handle->set_child(form_);
  set_child(*handle);

  signal_close_request().connect(
      [this] {
        authentication_.dismissAuthentication();
        return false;
      },
      false);
  auto keys = Gtk::EventControllerKey::create();
  keys->signal_key_pressed().connect(
      [this](guint key, guint, Gdk::ModifierType) {
        if (key != GDK_KEY_Escape) return false;
        close();
        return true;
      },
      false);
  add_controller(keys);

  connections_.add(authentication_.state().isAuthenticationPresented.changed().connect(
      [this](const auto&) { showPresentation(); }));
  showPresentation();
}

void AuthenticationWindow::showPresentation() {
  if (authentication_.state().isAuthenticationPresented.get()) {
    present();
  } else {
    set_visible(false);
  }
}

}  // namespace ondi::ui
