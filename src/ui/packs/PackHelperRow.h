#pragma once

#include <gtkmm/box.h>

#include <functional>

namespace ondi {
struct AgentPackHelper;
}

namespace ondi::ui {

// One helper of a pack's team: symbol, name, role and status, its working steps, a chip per
// connected app it relies on (each opens the connectors screen), and the button that starts
// work with it.
class PackHelperRow : public Gtk::Box {
 public:
  struct Actions {
    std::function<void()> use;
    std::function<void()> openConnectors;
  };

  PackHelperRow(const AgentPackHelper& helper, Actions actions);
};

}  // namespace ondi::ui
