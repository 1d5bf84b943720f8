#include "ui/phone/PhoneStyle.h"

#include <gdkmm/display.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/stylecontext.h>

namespace ondi::ui {
namespace {

constexpr const char* kPhoneCss = R"css(
.ondi-phone-pill {
  border-radius: 999px;
  padding: 2px 10px;
  font-size: 8pt;
  font-weight: 700;
  background-color: alpha(@theme_fg_color, 0.08);
}
.ondi-phone-pill.active { background-color: alpha(#3F8A5A, 0.22); }
.ondi-phone-call {
  border-radius: 10px;
  padding: 8px 10px;
  background-color: alpha(@theme_fg_color, 0.04);
}
.ondi-phone-empty-symbol { opacity: 0.7; }
)css";

}  // namespace

void installPhoneStyle() {
  static bool installed = false;
  if (installed) return;
  auto display = Gdk::Display::get_default();
  if (!display) return;
  auto provider = Gtk::CssProvider::create();
  provider->load_from_data(kPhoneCss);
  Gtk::StyleContext::add_provider_for_display(display, provider,
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 2);
  installed = true;
}

Gtk::Label& appendPhoneHeading(Gtk::Box& box, const std::string& text) {
  auto* heading = Gtk::make_managed<Gtk::Label>(text);
  heading->set_xalign(0);
  heading->add_css_class("heading");
  box.append(*heading);
  return *heading;
}

Gtk::Label& appendPhoneNote(Gtk::Box& box, const std::string& text) {
  auto* note = Gtk::make_managed<Gtk::Label>(text);
  note->set_xalign(0);
  note->set_wrap(true);
  note->set_max_width_chars(1);  // wraps to the box's width
  note->set_hexpand(true);
  note->add_css_class("caption");
  note->add_css_class("dim-label");
  box.append(*note);
  return *note;
}

}  // namespace ondi::ui
