#include "ui/skills/SkillsStyle.h"

#include <gdkmm/display.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/stylecontext.h>

namespace ondi::ui {
namespace {

// Layout and the accent tint of the symbols only: surfaces, ink and lines come from the theme,
// so the cards follow theme changes.
constexpr const char* kSkillsCss = R"css(
.skill-symbol {
  min-width: 36px;
  min-height: 36px;
  border-radius: 10px;
  background-color: alpha(@accent_color, 0.14);
  color: @accent_color;
}
.skill-team { font-size: 12px; font-weight: 600; }
.skill-fact-label { font-size: 11px; font-weight: 600; }
)css";

}  // namespace

void installSkillsStyle() {
  static bool installed = false;
  if (installed) return;
  auto display = Gdk::Display::get_default();
  if (!display) return;
  auto provider = Gtk::CssProvider::create();
  provider->load_from_data(kSkillsCss);
  Gtk::StyleContext::add_provider_for_display(display, provider,
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 1);
  installed = true;
}

}  // namespace ondi::ui
