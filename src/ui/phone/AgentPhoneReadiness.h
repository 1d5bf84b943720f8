#pragma once

#include <gtkmm/box.h>
#include <gtkmm/image.h>
#include <gtkmm/label.h>

#include <string>

namespace ondi {
struct AgentPhoneConfiguration;
}

namespace ondi::ui {

// Whether the service's voice bridge is ready: a check with `readyText`, or a warning that
// setup is required with the names of the missing settings.
class AgentPhoneReadiness : public Gtk::Box {
 public:
  AgentPhoneReadiness(const std::string& name, std::string readyText);

  void show(const AgentPhoneConfiguration& configuration);

 private:
  std::string readyText_;
  Gtk::Image icon_;
  Gtk::Label title_;
  Gtk::Label missing_;
};

}  // namespace ondi::ui
