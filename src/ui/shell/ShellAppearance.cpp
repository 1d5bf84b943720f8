#include "ui/shell/ShellAppearance.h"

#include <gdkmm/display.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/settings.h>
#include <gtkmm/stylecontext.h>

namespace ondi::ui {
namespace {

// Above the theme's style sheet, whose rules for lists and rows would otherwise paint the
// sidebar's rows as cards.
constexpr unsigned kPriority = GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 2;

constexpr const char* kShellCss = R"css(
.ondi-sidebar, .ondi-inspector {
  background-color: @headerbar_bg_color;
}
.ondi-sidebar { border-right: 1px solid @unfocused_borders; }
.ondi-inspector { border-left: 1px solid @unfocused_borders; }
.ondi-sidebar list, .ondi-sidebar row {
  background-color: transparent;
}
.ondi-sidebar row {
  border-radius: 8px;
  padding: 6px 8px;
  margin: 1px 0;
}
.ondi-sidebar row:hover, .ondi-recent-thread:hover {
  background-color: alpha(@theme_fg_color, 0.05);
}
.ondi-sidebar row.current, .ondi-recent-thread.current {
  background-color: alpha(@accent_color, 0.14);
}
.ondi-sidebar row:focus-visible, .ondi-recent-thread:focus-visible {
  outline: 2px solid alpha(@accent_color, 0.6);
  outline-offset: -2px;
}
.ondi-sidebar-heading {
  font-size: 11px;
  font-weight: 700;
  letter-spacing: 1px;
}
.ondi-recent-thread {
  background-color: transparent;
  border-color: transparent;
  border-radius: 8px;
  padding: 4px 8px;
}
.ondi-task-row {
  border-radius: 8px;
  padding: 6px 10px;
}
.ondi-task-row:checked {
  background-color: alpha(@accent_color, 0.14);
}
.ondi-shell-header {
  border-bottom: 1px solid @unfocused_borders;
  padding: 8px 16px;
}
.ondi-badge {
  border: 1px solid @unfocused_borders;
  border-radius: 999px;
  padding: 2px 10px;
}
.ondi-badge label {
  font-size: 10px;
  font-weight: 700;
  letter-spacing: 1px;
}
.ondi-unavailable {
  background-color: @theme_bg_color;
}
)css";

}  // namespace

void applyShellAppearance() {
  static bool applied = false;
  if (applied) return;
  auto display = Gdk::Display::get_default();
  if (!display) return;
  if (auto settings = Gtk::Settings::get_for_display(display)) {
    settings->property_gtk_application_prefer_dark_theme() = false;
    settings->property_gtk_theme_name() = "Adwaita";
  }
  auto provider = Gtk::CssProvider::create();
  provider->load_from_data(kShellCss);
  Gtk::StyleContext::add_provider_for_display(display, provider, kPriority);
  applied = true;
}

}  // namespace ondi::ui
