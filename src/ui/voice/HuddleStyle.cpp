#include "ui/voice/HuddleStyle.h"

#include <gdkmm/display.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/label.h>
#include <gtkmm/stylecontext.h>

#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {
namespace {

// Colours come from the theme's named colours, so every theme draws the screen in its own
// palette; only the live badge keeps the header's live green.
constexpr const char* kHuddleCss = R"css(
.ondi-huddle-avatar {
  border-radius: 999px;
  padding: 7px;
  background-color: alpha(@theme_fg_color, 0.07);
  color: @theme_fg_color;
}
.ondi-huddle-avatar.active {
  background-color: @accent_color;
  color: @accent_fg_color;
}
.ondi-huddle-turn {
  padding: 10px 12px;
  border-radius: 10px;
}
.ondi-huddle-turn.active {
  background-color: alpha(@accent_color, 0.12);
  box-shadow: inset 3px 0 @accent_color;
}
.ondi-huddle-participant {
  padding: 8px 6px;
  border-radius: 10px;
}
.ondi-huddle-participant.active { background-color: alpha(@accent_color, 0.12); }
.ondi-huddle-modes > button:checked {
  background-color: @accent_color;
  color: @accent_fg_color;
}
.ondi-huddle-badge {
  font-size: 8pt;
  font-weight: 700;
  letter-spacing: 1px;
  padding: 2px 9px;
  border-radius: 999px;
  background-color: alpha(@theme_fg_color, 0.08);
}
.ondi-huddle-badge.live {
  background-color: rgb(70, 108, 77);
  color: white;
}
.ondi-huddle-badge.joining {
  background-color: @accent_color;
  color: @accent_fg_color;
}
.ondi-huddle-callbar {
  border-top: 1px solid @unfocused_borders;
  background-color: @theme_base_color;
  padding: 10px 18px;
}
.ondi-huddle-callbar button.destructive-action {
  background-color: rgb(178, 58, 47);
  border-color: rgb(178, 58, 47);
  color: white;
}
.ondi-huddle-waveform { color: @accent_color; }
)css";

}  // namespace

void installHuddleStyle() {
  static bool installed = false;
  if (installed) return;
  auto display = Gdk::Display::get_default();
  if (!display) return;
  auto provider = Gtk::CssProvider::create();
  provider->load_from_data(kHuddleCss);
  // Above the theme's style sheet, whose plain button rule would hide the chosen segment.
  Gtk::StyleContext::add_provider_for_display(display, provider,
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 2);
  installed = true;
}

Gtk::Image& huddleAvatar(const std::string& symbol, int size) {
  auto* avatar = Gtk::make_managed<Gtk::Image>();
  avatar->set_from_icon_name(iconName(symbol));
  avatar->set_pixel_size(size);
  avatar->add_css_class("ondi-huddle-avatar");
  avatar->set_valign(Gtk::Align::START);
  hideFromAssistiveTechnology(*avatar);
  return *avatar;
}

void markActive(Gtk::Widget& widget, bool active) {
  if (active) {
    widget.add_css_class("active");
  } else {
    widget.remove_css_class("active");
  }
}

Gtk::Label& huddleLabel(const std::string& text, const char* cssClass, bool wrap) {
  auto* label = Gtk::make_managed<Gtk::Label>(text);
  label->set_xalign(0);
  label->set_wrap(wrap);
  if (wrap) label->set_wrap_mode(Pango::WrapMode::WORD_CHAR);
  if (cssClass) label->add_css_class(cssClass);
  return *label;
}

}  // namespace ondi::ui
