#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>

namespace ondi::ui {

// What the unified layout shows in place of the agent page while no conversation is under way.
class EmptyTaskState : public Gtk::Box {
 public:
  EmptyTaskState();

  Gtk::Button& startButton() { return start_; }

 private:
  Gtk::Button start_;
};

}  // namespace ondi::ui
