#include "ui/connectors/ConnectorsStyle.h"

#include <gdkmm/display.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/stylecontext.h>

namespace ondi::ui {
namespace {

// Layout and accent colours only: surfaces, ink and lines come from the theme's named colours,
// so the screen follows theme changes. The tone colours are the strong and soft colours of the
// seven accents; the logo colours are the apps' own.
constexpr const char* kConnectorsCss = R"css(
.connectors-screen { padding: 24px 28px 32px 28px; }
.connectors-title { font-size: 22px; font-weight: 600; }
.connectors-heading { font-size: 13px; font-weight: 600; color: alpha(@theme_fg_color, 0.72); }
.connectors-status { font-size: 12px; }
.connector-row { padding: 10px 12px; }
.connector-row-name { font-weight: 600; }
.connector-row .caption, .connector-card .caption { font-size: 12px; }
.ondi-panel.connector-list { padding: 0; }
.connector-list > row.connector-row {
  padding: 10px 14px;
  background-color: transparent;
  border-bottom: 1px solid @unfocused_borders;
}
.connector-list > row.connector-row:last-child { border-bottom: none; }
.connector-list > row.connector-row:hover { background-color: alpha(@theme_fg_color, 0.04); }
.connector-card { min-width: 176px; padding: 12px; }
.connector-scope-tabs > togglebutton { padding: 4px 12px; }
.connector-filter-menu > button.selected { font-weight: 600; }
.connector-logo { border-radius: 9px; }
.connector-logo-mark { font-weight: 700; font-size: 14px; color: white; }
.connector-logo.tone-ink { background-color: alpha(#1b1b19, 0.10); color: #1b1b19; }
.connector-logo.tone-green { background-color: alpha(#466c4c, 0.16); color: #466c4c; }
.connector-logo.tone-blue { background-color: alpha(#3b5f8f, 0.16); color: #3b5f8f; }
.connector-logo.tone-clay { background-color: alpha(#a65a3c, 0.16); color: #a65a3c; }
.connector-logo.tone-gold { background-color: alpha(#a67c2e, 0.18); color: #8a6624; }
.connector-logo.tone-mint { background-color: alpha(#3f8f7f, 0.16); color: #3f8f7f; }
.connector-logo.tone-slate { background-color: alpha(#55606e, 0.16); color: #55606e; }
.connector-logo.logo-gmail { background-color: #d14836; }
.connector-logo.logo-slack { background-color: #4a154b; }
.connector-logo.logo-github { background-color: #24292f; }
.connector-logo.logo-notion { background-color: #191919; }
.connector-logo.logo-figma { background-color: #a259ff; }
.connector-logo.logo-stripe { background-color: #635bff; }
.connector-logo.logo-shopify { background-color: #5e8e3e; }
.connector-logo.logo-openai { background-color: #10a37f; }
.connector-logo.logo-canva { background-color: #00a3bf; }
.connector-logo.logo-hubspot { background-color: #ff7a59; }
.connector-logo.logo-airtable { background-color: #2d7ff9; }
.connector-logo.logo-jira { background-color: #0052cc; }
.connector-logo.logo-github .connector-logo-mark { font-size: 11px; }
.connector-state-dot { min-width: 7px; min-height: 7px; border-radius: 999px;
  background-color: alpha(@theme_fg_color, 0.25); }
.connector-state-dot.connected { background-color: #466c4c; }
)css";

}  // namespace

void installConnectorsStyle() {
  static bool installed = false;
  if (installed) return;
  auto display = Gdk::Display::get_default();
  if (!display) return;
  auto provider = Gtk::CssProvider::create();
  provider->load_from_data(kConnectorsCss);
  // Above the theme's own rules, so the list's panel can drop its padding for full-width rows.
  Gtk::StyleContext::add_provider_for_display(display, provider,
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 2);
  installed = true;
}

}  // namespace ondi::ui
