#pragma once

#include <giomm/menu.h>
#include <gtkmm/image.h>
#include <gtkmm/label.h>
#include <gtkmm/menubutton.h>

#include "core/account/VelmoraModelProvider.h"
#include "core/published/Published.h"
#include "core/util/ScopedConnections.h"

namespace ondi::ui {

// The toolbar's choice of the model for new agent messages: it shows the provider in use and
// lists the four through the application's "model-provider" action.
class ModelProviderPicker : public Gtk::MenuButton {
 public:
  explicit ModelProviderPicker(const Published<VelmoraModelProvider>& selected);

 private:
  void showProvider(VelmoraModelProvider provider);

  Gtk::Image symbol_;
  Gtk::Label title_;
  ScopedConnections connections_;
};

// The four providers as menu items of the application's "model-provider" action.
Glib::RefPtr<Gio::Menu> modelProviderMenu();

}  // namespace ondi::ui
