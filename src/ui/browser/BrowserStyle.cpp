#include "ui/browser/BrowserStyle.h"

#include <gdkmm/display.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/stylecontext.h>

namespace ondi::ui {
namespace {

// Colours come from the current theme's named colours, so the browser follows theme changes.
constexpr const char* kBrowserCss = R"css(
.browser-toolbar {
  padding: 8px 12px;
  border-bottom: 1px solid alpha(@borders, 0.6);
}
.browser-address {
  min-width: 120px;
  border-radius: 8px;
}
.browser-notice {
  padding: 6px 12px;
  background-color: alpha(@theme_selected_bg_color, 0.12);
  border-bottom: 1px solid alpha(@borders, 0.6);
}
.browser-tab-strip {
  padding: 6px 12px;
  border-bottom: 1px solid alpha(@borders, 0.6);
}
.browser-tab-pill {
  border-radius: 999px;
  padding: 0 2px 0 4px;
  background-color: alpha(@theme_fg_color, 0.05);
}
.browser-tab-pill.selected {
  background-color: alpha(@theme_selected_bg_color, 0.18);
  box-shadow: inset 0 0 0 1px alpha(@theme_selected_bg_color, 0.55);
}
.browser-tab-pill button {
  min-height: 26px;
  padding: 2px 6px;
}
.browser-tab-pill .browser-tab-close {
  min-width: 22px;
  min-height: 22px;
  padding: 0;
  border-radius: 999px;
}
)css";

}  // namespace

void installBrowserStyle() {
  static bool installed = false;
  if (installed) return;
  auto display = Gdk::Display::get_default();
  if (!display) return;
  auto provider = Gtk::CssProvider::create();
  provider->load_from_data(kBrowserCss);
  Gtk::StyleContext::add_provider_for_display(display, provider,
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  installed = true;
}

}  // namespace ondi::ui
