#pragma once

#include <gtkmm/box.h>

#include <vector>

#include "core/util/ScopedConnections.h"

namespace ondi {
class HuddleController;
}

namespace ondi::ui {

class HuddleParticipantRow;

// "Participants": one row per roster agent, and how the voice bridge works.
class HuddleParticipantPanel : public Gtk::Box {
 public:
  explicit HuddleParticipantPanel(HuddleController& huddle);

 private:
  void showParticipants();

  HuddleController& huddle_;
  std::vector<HuddleParticipantRow*> rows_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
