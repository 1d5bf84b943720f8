#include "ui/packs/PackBrowserStyle.h"

#include <gdkmm/display.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/stylecontext.h>

namespace ondi::ui {
namespace {

// Spacing on a 4-point grid; three text sizes below the title.
constexpr const char* kPackBrowserCss = R"css(
.packs-title { font-size: 22px; font-weight: 600; }
.packs-question { font-size: 13px; }
.packs-heading { font-size: 13px; font-weight: 600; color: alpha(@theme_fg_color, 0.72); }
.packs-caption { font-size: 12px; }
.packs-pack-title { font-size: 20px; font-weight: 600; }
.ondi-panel.packs-list { padding: 4px; }
.packs-list > row {
  padding: 8px 10px;
  border-radius: 8px;
  background-color: transparent;
}
.packs-list > row:hover { background-color: alpha(@theme_fg_color, 0.05); }
.packs-list > row:selected {
  background-color: alpha(@accent_color, 0.16);
  color: @theme_fg_color;
}
.packs-badge {
  font-size: 11px;
  font-weight: 600;
  padding: 1px 8px;
  border-radius: 999px;
  background-color: alpha(@accent_color, 0.18);
}
.packs-step {
  font-size: 12px;
  padding: 2px 8px;
  border-radius: 999px;
  background-color: alpha(@theme_fg_color, 0.06);
}
button.packs-chip {
  font-size: 12px;
  min-height: 24px;
  padding: 0 10px;
  border-radius: 999px;
}
button.packs-chip.needs-setup image { color: alpha(@theme_fg_color, 0.55); }
.packs-status {
  padding: 8px 12px;
  border-radius: 8px;
  background-color: alpha(@accent_color, 0.12);
}
)css";

}  // namespace

void installPackBrowserStyle() {
  static bool installed = false;
  if (installed) return;
  auto display = Gdk::Display::get_default();
  if (!display) return;
  auto provider = Gtk::CssProvider::create();
  provider->load_from_data(kPackBrowserCss);
  // Above the theme's rules, so the list's panel keeps its own padding and row colours.
  Gtk::StyleContext::add_provider_for_display(display, provider,
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 2);
  installed = true;
}

}  // namespace ondi::ui
