#pragma once

#include <gtkmm/cssprovider.h>

#include <optional>

#include "core/account/AccountState.h"
#include "core/theme/VelmoraTheme.h"
#include "core/util/ScopedConnections.h"

namespace ondi::ui {

// Keeps the current theme's style sheet installed on the default display for as long as it
// lives, and swaps it whenever the interface style preference changes.
class ThemeStyleProvider {
 public:
  explicit ThemeStyleProvider(AccountState& account);
  ~ThemeStyleProvider();
  ThemeStyleProvider(const ThemeStyleProvider&) = delete;
  ThemeStyleProvider& operator=(const ThemeStyleProvider&) = delete;

  // The theme whose style sheet is installed.
  VelmoraTheme theme() const { return *theme_; }

 private:
  void show(const DesktopAccountPreferences& preferences);

  Glib::RefPtr<Gtk::CssProvider> provider_;
  std::optional<VelmoraTheme> theme_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
