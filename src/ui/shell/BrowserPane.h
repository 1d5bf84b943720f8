#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>

#include "ui/browser/BrowserWorkspace.h"

namespace ondi {
class DesktopBrowserModel;
}

namespace ondi::ui {

// The in-app browser as the content shows it: the whole content area in the studio layout,
// or a pane beside the agent page in the unified one, with a way back to the task.
class BrowserPane : public Gtk::Box {
 public:
  explicit BrowserPane(DesktopBrowserModel& model);

  void setBesideTask(bool beside) { header_.set_visible(beside); }

 private:
  Gtk::Box header_{Gtk::Orientation::HORIZONTAL, 8};
  Gtk::Button backToTask_;
  BrowserWorkspace browser_;
};

}  // namespace ondi::ui
