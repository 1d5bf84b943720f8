#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>

#include "ui/monitor/MonitorScreen.h"

namespace ondi::ui {

// The run monitor as the unified layout's right-hand pane, with a button that closes it.
class MonitorPane : public Gtk::Box {
 public:
  explicit MonitorPane(DesktopBrowserModel& model);

  Gtk::Button& closeButton() { return close_; }

 private:
  Gtk::Button close_;
  MonitorScreen screen_;
};

}  // namespace ondi::ui
