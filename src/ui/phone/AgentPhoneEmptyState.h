#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>

#include <functional>
#include <string>

#include "ui/phone/AgentPhoneReadiness.h"

namespace ondi {
struct AgentPhoneState;
}

namespace ondi::ui {

// What the section shows while no number is connected: what the phone is for, the voice
// bridge's readiness, and the ways to connect a number.
class AgentPhoneEmptyState : public Gtk::Box {
 public:
  struct Actions {
    std::function<void()> refresh;
    std::function<void()> connect;
    std::function<void(const std::string&)> openURL;
  };

  explicit AgentPhoneEmptyState(Actions actions);

  void show(const AgentPhoneState& state);
  void setActionsEnabled(bool enabled);

 private:
  AgentPhoneReadiness readiness_;
  Gtk::Button console_;
  Gtk::Button refresh_;
  Gtk::Button connect_;
};

}  // namespace ondi::ui
