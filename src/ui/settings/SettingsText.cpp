#include "ui/settings/SettingsText.h"

namespace ondi::ui {

Gtk::Label& appendSectionHeading(Gtk::Box& section, const std::string& text) {
  auto* heading = Gtk::make_managed<Gtk::Label>(text);
  heading->set_xalign(0);
  heading->add_css_class("title-3");
  section.append(*heading);
  return *heading;
}

Gtk::Label& appendExplanation(Gtk::Box& section, const std::string& text) {
  auto* explanation = Gtk::make_managed<Gtk::Label>(text);
  explanation->set_xalign(0);
  explanation->set_wrap(true);
  explanation->set_max_width_chars(1);  // wraps to the section's width
  explanation->set_hexpand(true);
  explanation->add_css_class("dim-label");
  section.append(*explanation);
  return *explanation;
}

Gtk::Label& appendValueRow(Gtk::Box& section, const std::string& title, const std::string& name) {
  auto* row = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  auto* label = Gtk::make_managed<Gtk::Label>(title);
  label->set_xalign(0);
  label->set_hexpand(true);
  auto* value = Gtk::make_managed<Gtk::Label>();
  value->set_name(name);
  value->set_xalign(1);
  value->add_css_class("heading");
  row->append(*label);
  row->append(*value);
  section.append(*row);
  return *value;
}

}  // namespace ondi::ui
