#pragma once

#include <gtkmm/box.h>
#include <gtkmm/togglebutton.h>

#include <sigc++/connection.h>

namespace ondi {
class DesktopBrowserModel;
}

namespace ondi::ui {

// The "Account action" picker: "Log in" or "Create account", bound to the model's
// authentication intent.
class IntentSwitcher : public Gtk::Box {
 public:
  explicit IntentSwitcher(DesktopBrowserModel& model);
  ~IntentSwitcher() override;

 private:
  void showIntent();

  DesktopBrowserModel& model_;
  Gtk::ToggleButton signIn_;
  Gtk::ToggleButton signUp_;
  sigc::connection intentChanged_;
};

}  // namespace ondi::ui
