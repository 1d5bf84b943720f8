#pragma once

#include <gtkmm/button.h>
#include <gtkmm/window.h>

#include <functional>
#include <optional>

namespace ondi {
class MicrophoneConsent;
}

namespace ondi::ui {

// Asks once, over the main window, whether Ondi may use the microphone. Closing the question
// without choosing leaves the answer open.
class MicrophoneQuestion : public Gtk::Window {
 public:
  MicrophoneQuestion(MicrophoneConsent& consent, Gtk::Window& parent);
  ~MicrophoneQuestion() override;

 private:
  void ask(std::function<void(std::optional<bool>)> answer);
  void finish(std::optional<bool> allowed);

  MicrophoneConsent& consent_;
  Gtk::Button deny_;
  Gtk::Button allow_;
  std::function<void(std::optional<bool>)> answer_;
};

}  // namespace ondi::ui
