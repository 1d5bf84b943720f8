#include "ui/app/AccessibleName.h"

#include <gtkmm/scrollbar.h>

namespace ondi::ui {

void setAccessibleName(Gtk::Widget& control, const Glib::ustring& name) {
  gtk_accessible_update_property(GTK_ACCESSIBLE(control.gobj()), GTK_ACCESSIBLE_PROPERTY_LABEL,
                                 name.c_str(), -1);
}

void nameDropDown(Gtk::DropDown& dropDown, const Glib::ustring& name) {
  setAccessibleName(dropDown, name);
  for (Gtk::Widget* part = dropDown.get_first_child(); part; part = part->get_next_sibling()) {
    setAccessibleName(*part, name);
  }
}

void nameAfterLabel(Gtk::Widget& control, Gtk::Label& label) {
  gtk_accessible_update_relation(GTK_ACCESSIBLE(control.gobj()),
                                 GTK_ACCESSIBLE_RELATION_LABELLED_BY, label.gobj(), nullptr, -1);
}

void hideFromAssistiveTechnology(Gtk::Widget& part) {
  gtk_accessible_update_state(GTK_ACCESSIBLE(part.gobj()), GTK_ACCESSIBLE_STATE_HIDDEN, TRUE, -1);
}

void hideEntryIcons(Gtk::Entry& entry) {
  for (Gtk::Widget* part = entry.get_first_child(); part; part = part->get_next_sibling()) {
    if (GTK_IS_IMAGE(part->gobj())) hideFromAssistiveTechnology(*part);
  }
}

void appendNamed(Gtk::FlowBox& box, Gtk::Widget& item, const Glib::ustring& name) {
  box.append(item);
  if (Gtk::Widget* cell = item.get_parent()) setAccessibleName(*cell, name);
}

void nameScrollBars(Gtk::ScrolledWindow& scroller, const Glib::ustring& content) {
  if (Gtk::Scrollbar* vertical = scroller.get_vscrollbar()) {
    setAccessibleName(*vertical, "Scroll " + content);
  }
  if (Gtk::Scrollbar* horizontal = scroller.get_hscrollbar()) {
    setAccessibleName(*horizontal, "Scroll " + content + " sideways");
  }
}

}  // namespace ondi::ui
