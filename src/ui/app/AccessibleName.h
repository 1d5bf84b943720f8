#pragma once

#include <gtkmm/label.h>
#include <gtkmm/widget.h>

namespace ondi::ui {

// Gives a control the name screen readers say, for controls without text of their own (icon
// buttons, entries, rows built from several labels). Without it the toolkit says its type.
void setAccessibleName(Gtk::Widget& control, const Glib::ustring& name);

// Names a control after a label inside it, so the name follows the label's text as it changes.
void nameAfterLabel(Gtk::Widget& control, Gtk::Label& label);

}  // namespace ondi::ui
