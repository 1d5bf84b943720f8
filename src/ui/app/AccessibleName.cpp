#include "ui/app/AccessibleName.h"

namespace ondi::ui {

void setAccessibleName(Gtk::Widget& control, const Glib::ustring& name) {
  gtk_accessible_update_property(GTK_ACCESSIBLE(control.gobj()), GTK_ACCESSIBLE_PROPERTY_LABEL,
                                 name.c_str(), -1);
}

void nameAfterLabel(Gtk::Widget& control, Gtk::Label& label) {
  gtk_accessible_update_relation(GTK_ACCESSIBLE(control.gobj()),
                                 GTK_ACCESSIBLE_RELATION_LABELLED_BY, label.gobj(), nullptr, -1);
}

}  // namespace ondi::ui
