#pragma once

#include <gtkmm/box.h>
#include <gtkmm/scrolledwindow.h>

namespace ondi {
class SupportDesk;
}

namespace ondi::ui {

class DetailButton;

// Help for the workspace: the service's contact page, a message to support, the settings
// window, a diagnostics summary to copy, and quick answers.
class SupportScreen : public Gtk::ScrolledWindow {
 public:
  explicit SupportScreen(SupportDesk& support);

 private:
  void copyDiagnostics();
  void showCopied(bool copied);

  SupportDesk& support_;
  Gtk::Box page_;
  DetailButton* copyRow_ = nullptr;
  // Set once the diagnostics are on the clipboard, until the screen is shown again.
  bool copiedDiagnostics_ = false;
};

}  // namespace ondi::ui
