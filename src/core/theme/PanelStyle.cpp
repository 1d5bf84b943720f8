#include "core/theme/PanelStyle.h"

#include <algorithm>

namespace ondi {

double panelCornerRadiusCap(VelmoraTheme theme) {
  switch (theme) {
    case VelmoraTheme::washiStudio:
    case VelmoraTheme::washiEmber:
    case VelmoraTheme::teaHouseSand:
      return 4;
    case VelmoraTheme::porcelainAir:
      return 8;
    case VelmoraTheme::quietAperture:
      return 6;
    case VelmoraTheme::unifiedWorkspace:
      return 10;
  }
  return 4;
}

PanelStyle panelStyle(VelmoraTheme theme, double requestedRadius, bool raised) {
  const VelmoraThemePalette colors = palette(theme);
  const bool flat = prefersFlatChrome(theme);
  PanelStyle style;
  style.cornerRadius = flat ? 0 : std::clamp(requestedRadius, 0.0, panelCornerRadiusCap(theme));
  style.fill = colors.surface;
  // A raised panel is set apart by its shadow, so a light rule is enough; a flat one needs
  // the stronger rule to read as a pane.
  style.stroke = raised ? colors.line : colors.strongLine;
  if (raised && !flat) style.shadow = PanelShadow{ThemeColor::gray(0, 0.055), 7, 3};
  return style;
}

}  // namespace ondi
