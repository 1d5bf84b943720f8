#include "ui/messaging/MessagingStyle.h"

#include <gdkmm/display.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/stylecontext.h>

namespace ondi::ui {
namespace {

constexpr const char* kMessagingCss = R"css(
.ondi-bubble {
  border-radius: 16px;
  padding: 8px 12px;
}
.ondi-bubble.sender {
  background-color: #1D7CF2;
  color: #FFFFFF;
}
.ondi-bubble.agent { background-color: alpha(@theme_fg_color, 0.08); }
.ondi-chip {
  border-radius: 999px;
  padding: 2px 10px;
  font-size: 9pt;
  font-weight: 600;
  background-color: alpha(@theme_fg_color, 0.08);
}
)css";

}  // namespace

void installMessagingStyle() {
  static bool installed = false;
  if (installed) return;
  auto display = Gdk::Display::get_default();
  if (!display) return;
  auto provider = Gtk::CssProvider::create();
  provider->load_from_data(kMessagingCss);
  Gtk::StyleContext::add_provider_for_display(display, provider,
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 2);
  installed = true;
}

}  // namespace ondi::ui
