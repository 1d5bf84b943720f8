#pragma once

#include <gtkmm/window.h>

#include "core/util/ScopedConnections.h"
#include "ui/account/AuthenticationForm.h"

namespace ondi {
class DesktopBrowserModel;
}

namespace ondi::ui {

// The account sheet: a modal window over the main window, shown while the model presents
// authentication. Closing it, with its close button, Escape or the window manager, dismisses
// the presentation.
class AuthenticationWindow : public Gtk::Window {
 public:
  AuthenticationWindow(DesktopBrowserModel& model, Gtk::Window& parent);

 private:
  void showPresentation();

  DesktopBrowserModel& model_;
  AuthenticationForm form_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
