#include "ui/account/MessageRow.h"

#include "ui/app/AccessibleName.h"

namespace ondi::ui {

MessageRow::MessageRow(const std::string& name, const std::string& iconName,
                       const std::string& style)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL, 10) {
  set_name(name);
  add_css_class("ondi-message");
  add_css_class(style);
  icon_.set_from_icon_name(iconName);
  hideFromAssistiveTechnology(icon_);
  icon_.set_valign(Gtk::Align::START);
  label_.set_wrap(true);
  label_.set_xalign(0);
  label_.set_hexpand(true);
  append(icon_);
  append(label_);
  set_visible(false);
}

void MessageRow::setText(const std::string& text) {
  label_.set_text(text);
  set_visible(!text.empty());
}

}  // namespace ondi::ui
