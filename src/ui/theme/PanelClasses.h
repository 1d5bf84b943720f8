#pragma once

#include <gtkmm/widget.h>

namespace ondi::ui {

// Draws `widget` as a themed panel: the palette's surface with a one-point rule, corners
// rounded as far as the current theme allows up to `requestedRadius`, and, when `raised`, the
// theme's drop shadow. The classes follow theme changes without further calls.
void applyPanelStyle(Gtk::Widget& widget, int requestedRadius, bool raised);

}  // namespace ondi::ui
