#pragma once

#include <gtkmm/box.h>
#include <gtkmm/label.h>

#include <string>

namespace ondi::ui {

// The phone screens' style sheet; installed once per display.
void installPhoneStyle();

// A small heading inside a phone card or sheet.
Gtk::Label& appendPhoneHeading(Gtk::Box& box, const std::string& text);
// A dimmed caption that wraps to the box's width.
Gtk::Label& appendPhoneNote(Gtk::Box& box, const std::string& text);

}  // namespace ondi::ui
