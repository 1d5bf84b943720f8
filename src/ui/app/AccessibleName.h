#pragma once

#include <gtkmm/dropdown.h>
#include <gtkmm/entry.h>
#include <gtkmm/flowbox.h>
#include <gtkmm/label.h>
#include <gtkmm/scrolledwindow.h>
#include <gtkmm/widget.h>

namespace ondi::ui {

// Gives a control the name screen readers say, for controls without text of their own (icon
// buttons, entries, rows built from several labels). Without it the toolkit says its type.
void setAccessibleName(Gtk::Widget& control, const Glib::ustring& name);

// Names a drop-down and the button inside it that opens its list, which screen readers
// otherwise call by its type.
void nameDropDown(Gtk::DropDown& dropDown, const Glib::ustring& name);

// Names a control after a label inside it, so the name follows the label's text as it changes.
void nameAfterLabel(Gtk::Widget& control, Gtk::Label& label);

// Keeps a decorative part (an icon beside its text, a status dot, a spinner beside its sentence)
// out of what screen readers read: the text next to it already says what it means.
void hideFromAssistiveTechnology(Gtk::Widget& part);

// Hides the icons an entry draws inside itself (a search glass, a mail sign): the entry's name
// already says what goes in it. Call it after the icons are set.
void hideEntryIcons(Gtk::Entry& entry);

// Appends an item to a flow box and names the cell the box wraps it in; without a name screen
// readers call the cell by its type.
void appendNamed(Gtk::FlowBox& box, Gtk::Widget& item, const Glib::ustring& name);

// Names a scrolled area's scroll bars after what they move ("Scroll Connectors").
void nameScrollBars(Gtk::ScrolledWindow& scroller, const Glib::ustring& content);

}  // namespace ondi::ui
