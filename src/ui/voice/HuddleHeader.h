#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>

#include "core/util/ScopedConnections.h"

namespace ondi {
class HuddleController;
}

namespace ondi::ui {

// The screen's title and what the huddle runs on, the call's badge, and the button that shows
// or hides the participant panel.
class HuddleHeader : public Gtk::Box {
 public:
  explicit HuddleHeader(HuddleController& huddle);

 private:
  void showBadge();
  void showToggle();

  HuddleController& huddle_;
  Gtk::Label badge_;
  Gtk::Button toggle_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
