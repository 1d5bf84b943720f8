#include "ui/theme/PanelClasses.h"

#include <algorithm>
#include <string>

#include "ui/theme/ThemeStylesheet.h"

namespace ondi::ui {

void applyPanelStyle(Gtk::Widget& widget, int requestedRadius, bool raised) {
  // Every theme caps corners below the largest radius class, so larger requests share it.
  const int radius = std::clamp(requestedRadius, 0, kLargestPanelRadiusClass);
  widget.add_css_class("ondi-panel");
  widget.add_css_class("radius-" + std::to_string(radius));
  if (raised) widget.add_css_class("raised");
}

}  // namespace ondi::ui
