#pragma once

#include <optional>

#include "core/theme/VelmoraTheme.h"
#include "core/theme/VelmoraThemePalette.h"

namespace ondi {

// The drop shadow of a raised panel.
struct PanelShadow {
  ThemeColor color;
  double blurRadius = 0;
  double verticalOffset = 0;
  bool operator==(const PanelShadow&) const = default;
};

// How a native panel is drawn under a theme: a rounded rectangle filled with the palette's
// surface, outlined with a one-point stroke and, when raised on rounded chrome, shadowed.
struct PanelStyle {
  double cornerRadius = 0;
  ThemeColor fill;
  ThemeColor stroke;
  double strokeWidth = 1;
  std::optional<PanelShadow> shadow;
  bool operator==(const PanelStyle&) const = default;
};

// The largest corner radius a theme allows a panel.
double panelCornerRadiusCap(VelmoraTheme theme);

// The style of a panel whose screen asks for `requestedRadius`.
PanelStyle panelStyle(VelmoraTheme theme, double requestedRadius, bool raised);

}  // namespace ondi
