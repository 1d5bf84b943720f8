#include "ui/home/DetailButton.h"

#include <gtkmm/box.h>

#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {

DetailButton::DetailButton(const std::string& name, const std::string& symbol,
                           const std::string& title, const std::string& detail)
    : title_(title), detail_(detail) {
  set_name(name);
  add_css_class("flat");
  add_css_class("ondi-detail-button");
  icon_.set_from_icon_name(iconName(symbol));
  hideFromAssistiveTechnology(icon_);
  icon_.set_pixel_size(20);
  icon_.set_valign(Gtk::Align::START);
  icon_.set_margin_top(2);

  title_.set_xalign(0);
  title_.set_wrap(true);
  title_.add_css_class("heading");
  detail_.set_xalign(0);
  detail_.set_wrap(true);
  detail_.add_css_class("dim-label");
  trailing_.add_css_class("caption");
  trailing_.set_valign(Gtk::Align::CENTER);
  trailing_.set_visible(false);

  auto* text = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  text->set_hexpand(true);
  text->append(title_);
  text->append(detail_);
  auto* row = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  row->append(icon_);
  row->append(*text);
  row->append(trailing_);
  set_child(*row);
  updateAccessibleName();
}

void DetailButton::setTitle(const std::string& title) {
  title_.set_text(title);
  updateAccessibleName();
}

void DetailButton::setDetail(const std::string& detail) {
  detail_.set_text(detail);
  updateAccessibleName();
}

void DetailButton::setTrailing(const std::string& text) {
  trailing_.set_text(text);
  trailing_.set_visible(!text.empty());
  updateAccessibleName();
}

void DetailButton::updateAccessibleName() {
  std::string name = title_.get_text() + ". " + detail_.get_text();
  if (trailing_.get_visible()) name += " " + trailing_.get_text() + ".";
  setAccessibleName(*this, name);
}

}  // namespace ondi::ui
