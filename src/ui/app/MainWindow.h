#pragma once

#include <giomm/menumodel.h>
#include <gtkmm/applicationwindow.h>
#include <gtkmm/box.h>
#include <gtkmm/headerbar.h>
#include <gtkmm/menubutton.h>

#include "ui/account/AccountActionBanner.h"
#include "ui/account/AuthenticationWindow.h"
#include "ui/app/MicrophoneQuestion.h"
#include "ui/shell/NavigationShell.h"

namespace ondi {
class DesktopBrowserModel;
}

namespace ondi::ui {

// The one main window: the header bar with the command menu, the account action banner and the
// navigation shell. It also presents the account sheet and the microphone question.
class MainWindow : public Gtk::ApplicationWindow {
 public:
  MainWindow(DesktopBrowserModel& model, const Glib::RefPtr<Gio::MenuModel>& menu);

  NavigationShell& shell() { return shell_; }

 private:
  Gtk::HeaderBar header_;
  Gtk::MenuButton menuButton_;
  Gtk::Box content_{Gtk::Orientation::VERTICAL};
  AccountActionBanner accountActionBanner_;
  NavigationShell shell_;
  AuthenticationWindow authenticationWindow_;
  MicrophoneQuestion microphoneQuestion_;
};

}  // namespace ondi::ui
