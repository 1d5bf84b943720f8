#pragma once

#include <gtkmm/widget.h>

#include "core/ports/WebView.h"

namespace ondi::ui {

// The GTK widget of a web view the platform layer made, for placing it in a window.
inline Gtk::Widget& widgetOf(const WebView& view) {
  return *Glib::wrap(reinterpret_cast<GtkWidget*>(view.nativeWidget()));
}

}  // namespace ondi::ui
