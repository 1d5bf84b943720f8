#pragma once

#include <gtkmm/button.h>
#include <gtkmm/label.h>
#include <gtkmm/window.h>

#include <functional>
#include <string>

namespace ondi::ui {

// A modal question before a phone action that reaches the outside world (disconnecting the
// number, placing a call): the action runs only after its button is pressed; closing the
// question or "Cancel" does nothing.
class AgentPhoneConfirmation : public Gtk::Window {
 public:
  struct Texts {
    std::string title;
    std::string confirmLabel;
    // A destructive action's button is drawn as one.
    bool destructive = false;
  };

  // Widgets are named `name`, `name.message`, `name.confirm` and `name.cancel`.
  AgentPhoneConfirmation(const std::string& name, const Texts& texts);

  void ask(Gtk::Window& parent, const std::string& message, std::function<void()> confirmed);

 private:
  Gtk::Label message_;
  Gtk::Button cancel_;
  Gtk::Button confirm_;
  std::function<void()> confirmed_;
};

}  // namespace ondi::ui
