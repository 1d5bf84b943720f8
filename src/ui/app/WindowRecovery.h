#pragma once

#include <gtkmm/window.h>

namespace ondi::ui {

// Where the display server lets a program place its windows (X11), an off-screen window
// can be found and centred; elsewhere (Wayland) the compositor keeps windows on screen.
class WindowRecovery {
 public:
  static bool canPlaceWindows(Gtk::Window& window);
  static bool isMinimized(Gtk::Window& window);
  // True when the window's frame meets the area of no connected monitor.
  static bool isOffScreen(Gtk::Window& window);
  static void centreOnPrimaryMonitor(Gtk::Window& window);
};

}  // namespace ondi::ui
