#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>

namespace ondi {
class DesktopBrowserModel;
}

namespace ondi::ui {

// The unified layout's tools panel: one row per capability of the workspace, each loading its
// screen or preparing its prompt for the main agent, and a button that closes the panel.
class ToolsPanel : public Gtk::Box {
 public:
  explicit ToolsPanel(DesktopBrowserModel& model);

  Gtk::Button& closeButton() { return close_; }

 private:
  Gtk::Button close_;
};

}  // namespace ondi::ui
