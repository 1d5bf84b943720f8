#pragma once

#include <gtkmm/box.h>
#include <gtkmm/label.h>

#include <string>

namespace ondi::ui {

// The heading that opens a settings section.
Gtk::Label& appendSectionHeading(Gtk::Box& section, const std::string& text);
// A dimmed paragraph that wraps to the section's width.
Gtk::Label& appendExplanation(Gtk::Box& section, const std::string& text);
// A row with a name on the left and its value on the right; returns the value's label.
Gtk::Label& appendValueRow(Gtk::Box& section, const std::string& title, const std::string& name);

}  // namespace ondi::ui
