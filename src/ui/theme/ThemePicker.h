#pragma once

#include <gtkmm/box.h>
#include <gtkmm/checkbutton.h>
#include <gtkmm/label.h>

#include <array>
#include <utility>

#include "core/theme/VelmoraTheme.h"
#include "core/util/ScopedConnections.h"

namespace ondi {
class DesktopPreferencesController;
}

namespace ondi::ui {

// The settings section that chooses among the six themes: one row per theme with its title
// and description. A choice goes through the preference update, so it is stored,
// synchronised with the account and shown at once in native screens and the page.
class ThemePicker : public Gtk::Box {
 public:
  explicit ThemePicker(DesktopPreferencesController& preferences);

 private:
  Gtk::Widget& row(VelmoraTheme theme, Gtk::CheckButton& choice);
  void showCurrent();

  DesktopPreferencesController& preferences_;
  Gtk::Label heading_;
  Gtk::Box rows_{Gtk::Orientation::VERTICAL, 10};
  std::array<std::pair<VelmoraTheme, Gtk::CheckButton>, kAllThemes.size()> choices_;
  // Set while the rows show the stored choice, which is not a choice of the user's.
  bool showing_ = false;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
