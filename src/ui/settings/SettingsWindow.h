#pragma once

#include <gtkmm/window.h>

namespace ondi {
class DesktopBrowserModel;
}

namespace ondi::ui {

// The settings window: one scrolling form of sections, each reading and writing through the
// controller that owns its settings. Closing it hides it, with its drafts kept.
class SettingsWindow : public Gtk::Window {
 public:
  explicit SettingsWindow(DesktopBrowserModel& model);
};

}  // namespace ondi::ui
