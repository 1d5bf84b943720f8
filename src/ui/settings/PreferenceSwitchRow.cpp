#include "ui/settings/PreferenceSwitchRow.h"

#include <gtkmm/label.h>

#include "core/account/DesktopPreferencesController.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {

PreferenceSwitchRow::PreferenceSwitchRow(const std::string& name, const std::string& title,
                                         const std::string& detail, Binding binding)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL, 16), binding_(std::move(binding)) {
  auto* text = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  text->set_hexpand(true);
  auto* heading = Gtk::make_managed<Gtk::Label>(title);
  heading->set_xalign(0);
  text->append(*heading);
  if (!detail.empty()) {
    auto* explanation = Gtk::make_managed<Gtk::Label>(detail);
    explanation->set_xalign(0);
    explanation->set_wrap(true);
    explanation->set_max_width_chars(1);  // wraps to the row's width
    explanation->add_css_class("caption");
    explanation->add_css_class("dim-label");
    text->append(*explanation);
  }
  append(*text);

  switch_.set_name(name);
  switch_.set_valign(Gtk::Align::START);
  setAccessibleName(switch_, title);
  append(switch_);
  showCurrent();
  // Showing the current value flips the switch too; the owner ignores a value it already has.
  connections_.add(switch_.property_active().signal_changed().connect(
      [this] { binding_.write(switch_.get_active()); }));
}

void PreferenceSwitchRow::showCurrent() {
  switch_.set_active(binding_.read());
}

PreferenceSwitchRow::Binding preferenceBinding(DesktopPreferencesController& preferences,
                                               bool DesktopAccountPreferences::*field) {
  return {
      [&preferences, field] { return preferences.state().desktopPreferences.get().*field; },
      [&preferences, field](bool on) {
        preferences.update([field, on](DesktopAccountPreferences& value) { value.*field = on; });
      }};
}

}  // namespace ondi::ui
