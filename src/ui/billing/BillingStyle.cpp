#include "ui/billing/BillingStyle.h"

#include <gdkmm/display.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/stylecontext.h>

namespace ondi::ui {
namespace {

// Mid-tone accents that read on the light and the dark themes alike.
constexpr const char* kBillingCss = R"css(
.ondi-accent-bar {
  min-height: 4px;
  border-radius: 2px;
}
.ondi-accent-bar.tone-ink { background-color: #3A3A36; }
.ondi-accent-bar.tone-green { background-color: #3F8A5A; }
.ondi-accent-bar.tone-blue { background-color: #3C6FD1; }
.ondi-accent-bar.tone-clay { background-color: #B8603F; }
.ondi-accent-bar.tone-gold { background-color: #C29433; }
.ondi-accent-bar.tone-mint { background-color: #3AA192; }
.ondi-accent-bar.tone-slate { background-color: #66717E; }
.ondi-segmented > button:checked {
  background-color: @accent_color;
  color: @accent_fg_color;
}
.ondi-plan-price {
  font-size: 20pt;
  font-weight: 700;
}
)css";

}  // namespace

void installBillingStyle() {
  static bool installed = false;
  if (installed) return;
  auto display = Gdk::Display::get_default();
  if (!display) return;
  auto provider = Gtk::CssProvider::create();
  provider->load_from_data(kBillingCss);
  // Above the theme's style sheet, whose plain button rule would hide the chosen segment.
  Gtk::StyleContext::add_provider_for_display(display, provider,
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 2);
  installed = true;
}

std::string toneClass(AccentTone tone) {
  return "tone-" + rawValue(tone);
}

}  // namespace ondi::ui
