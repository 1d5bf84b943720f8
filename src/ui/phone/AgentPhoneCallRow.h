#pragma once

#include <gtkmm/box.h>

namespace ondi {
struct AgentPhoneCall;
}

namespace ondi::ui {

// One call of the history: its direction, the masked number, the agent and the purpose, its
// status and when it last changed.
class AgentPhoneCallRow : public Gtk::Box {
 public:
  explicit AgentPhoneCallRow(const AgentPhoneCall& call);
};

}  // namespace ondi::ui
