#pragma once

#include <gtkmm/box.h>
#include <gtkmm/label.h>
#include <gtkmm/togglebutton.h>

#include <array>

#include "core/util/ScopedConnections.h"

namespace ondi {
class PackBrowserSelection;
}

namespace ondi::ui {

// "Business" or "Personal", and beside it the line that describes the audience shown.
class PackAudienceSwitch : public Gtk::Box {
 public:
  explicit PackAudienceSwitch(PackBrowserSelection& selection);

 private:
  void showAudience();

  PackBrowserSelection& selection_;
  std::array<Gtk::ToggleButton, 2> segments_;
  Gtk::Label description_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
