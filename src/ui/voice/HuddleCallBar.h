#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>

#include "core/util/ScopedConnections.h"

namespace ondi {
class HuddleController;
}

namespace ondi::ui {

// Where the call stands, what happened last and how many agents are in, with the call's
// controls: mute, interrupt, start or leave, reload the voice service, open the web console.
class HuddleCallBar : public Gtk::Box {
 public:
  explicit HuddleCallBar(HuddleController& huddle);

 private:
  void showCall();

  HuddleController& huddle_;
  Gtk::Label state_;
  Gtk::Label lastAction_;
  Gtk::Label agents_;
  Gtk::Button mute_;
  Gtk::Button interrupt_;
  Gtk::Button call_;
  Gtk::Button reload_;
  Gtk::Button openWeb_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
