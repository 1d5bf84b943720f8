#pragma once

#include <gtkmm/box.h>
#include <gtkmm/label.h>
#include <gtkmm/togglebutton.h>

#include <array>

#include "core/util/ScopedConnections.h"

namespace ondi {
class HuddleController;
}

namespace ondi::ui {

// "Who answers": Relevant or Everyone, with what the chosen mode means. Fixed during a call.
class HuddleModePicker : public Gtk::Box {
 public:
  explicit HuddleModePicker(HuddleController& huddle);

 private:
  void showMode();

  HuddleController& huddle_;
  std::array<Gtk::ToggleButton, 2> segments_;
  Gtk::Label meaning_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
