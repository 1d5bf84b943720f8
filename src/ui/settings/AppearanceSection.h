#pragma once

#include <gtkmm/box.h>

#include "ui/theme/ThemePicker.h"

namespace ondi {
class DesktopPreferencesController;
}

namespace ondi::ui {

// The "Appearance" settings section: the theme picker and where each theme is kept.
class AppearanceSection : public Gtk::Box {
 public:
  explicit AppearanceSection(DesktopPreferencesController& preferences);

 private:
  ThemePicker picker_;
};

}  // namespace ondi::ui
