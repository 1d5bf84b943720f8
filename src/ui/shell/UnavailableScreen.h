#pragma once

#include <gtkmm/box.h>

#include <string>

namespace ondi::ui {

// The panel a screen shows while it is not available yet: its icon, title and subtitle, and a
// plain note saying so, on the workspace's background.
class UnavailableScreen : public Gtk::Box {
 public:
  UnavailableScreen(const std::string& name, const std::string& title, const std::string& subtitle,
                    const std::string& symbol);
};

}  // namespace ondi::ui
