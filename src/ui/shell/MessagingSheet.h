#pragma once

#include <gtkmm/button.h>
#include <gtkmm/window.h>

#include "core/util/ScopedConnections.h"

namespace ondi {
class ShellController;
}

namespace ondi::ui {

// The messaging sheet over the main window, shown while the shell presents it. Its screen is
// not available yet, so it holds a placeholder and a button that closes it.
class MessagingSheet : public Gtk::Window {
 public:
  MessagingSheet(ShellController& shell, Gtk::Window& parent);

 private:
  ShellController& shell_;
  Gtk::Button done_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
