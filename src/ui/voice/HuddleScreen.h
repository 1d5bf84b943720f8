#pragma once

#include <gtkmm/box.h>

#include "core/util/ScopedConnections.h"

namespace ondi {
class HuddleController;
}

namespace ondi::ui {

class HuddleParticipantPanel;

// The huddle: the header, who answers, the conversation beside the participant panel, and the
// call bar. It is opaque, so it can cover the voice console that runs the call behind it.
class HuddleScreen : public Gtk::Box {
 public:
  explicit HuddleScreen(HuddleController& huddle);

 private:
  HuddleController& huddle_;
  HuddleParticipantPanel* participants_ = nullptr;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
