#include "ui/payments/PaymentStyle.h"

#include <gdkmm/display.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/image.h>
#include <gtkmm/stylecontext.h>

#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {
namespace {

constexpr const char* kPaymentCss = R"css(
.ondi-payment-pill {
  border-radius: 999px;
  padding: 2px 10px;
  font-size: 8pt;
  font-weight: 700;
  letter-spacing: 1px;
  background-color: alpha(@theme_fg_color, 0.08);
}
.ondi-payment-pill.ready { background-color: alpha(#3F8A5A, 0.22); }
.ondi-payment-pill.attention { background-color: alpha(#C29433, 0.25); }
.ondi-payment-balance {
  font-size: 22pt;
  font-weight: 700;
}
.ondi-payment-banner {
  border-radius: 10px;
  padding: 10px 14px;
}
.ondi-payment-banner.error { background-color: alpha(#C0392B, 0.14); }
.ondi-payment-banner.confirmation { background-color: alpha(#3F8A5A, 0.16); }
.ondi-payment-money {
  font-weight: 600;
  min-width: 90px;
}
)css";

}  // namespace

void installPaymentStyle() {
  static bool installed = false;
  if (installed) return;
  auto display = Gdk::Display::get_default();
  if (!display) return;
  auto provider = Gtk::CssProvider::create();
  provider->load_from_data(kPaymentCss);
  Gtk::StyleContext::add_provider_for_display(display, provider,
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 2);
  installed = true;
}

PaymentCard paymentCard(const std::string& name, const std::string& symbol,
                        const std::string& title) {
  auto* card = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 10);
  card->set_name(name);
  applyPanelStyle(*card, 14, false);
  auto* header = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  auto* icon = Gtk::make_managed<Gtk::Image>();
  icon->set_from_icon_name(iconName(symbol));
  hideFromAssistiveTechnology(*icon);
  header->append(*icon);
  auto* heading = Gtk::make_managed<Gtk::Label>(title);
  heading->set_xalign(0);
  heading->set_hexpand(true);
  heading->set_wrap(true);
  heading->set_max_width_chars(1);  // wraps to the card's width
  heading->add_css_class("title-4");
  header->append(*heading);
  card->append(*header);
  return {*card, *header};
}

Gtk::Label& paymentParagraph(const std::string& text) {
  auto* label = Gtk::make_managed<Gtk::Label>(text);
  label->set_xalign(0);
  label->set_wrap(true);
  label->set_max_width_chars(1);  // wraps to the card's width
  label->set_hexpand(true);
  return *label;
}
}  // namespace ondi::ui
