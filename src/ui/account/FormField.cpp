#include "ui/account/FormField.h"

#include "ui/app/AccessibleName.h"

namespace ondi::ui {

FormField::FormField(const Options& options) : Gtk::Box(Gtk::Orientation::VERTICAL, 6) {
  caption_.set_text(options.caption);
  caption_.set_xalign(0);
  caption_.add_css_class("heading");
  caption_.set_mnemonic_widget(entry_);
  entry_.set_name(options.name);
  entry_.set_input_purpose(options.purpose);
  if (!options.iconName.empty()) {
    entry_.set_icon_from_icon_name(options.iconName, Gtk::Entry::IconPosition::PRIMARY);
    hideEntryIcons(entry_);
  }
  if (options.secret) entry_.set_visibility(false);
  append(caption_);
  append(entry_);
}

}  // namespace ondi::ui
