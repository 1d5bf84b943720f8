#pragma once

#include <string>

#include "core/theme/VelmoraTheme.h"

namespace ondi {

// An sRGB colour with components and opacity on a 0..1 scale.
struct ThemeColor {
  double red = 0;
  double green = 0;
  double blue = 0;
  double opacity = 1;

  static constexpr ThemeColor gray(double level, double opacity = 1) {
    return {level, level, level, opacity};
  }
  constexpr ThemeColor at(double newOpacity) const { return {red, green, blue, newOpacity}; }
  bool operator==(const ThemeColor&) const = default;
};

// The colour as CSS text that both GTK and WebKit parse, e.g. "rgba(96.5%,95.3%,91.8%,1)".
std::string cssColor(const ThemeColor& color);

// The colours native screens draw a theme with.
struct VelmoraThemePalette {
  ThemeColor workspace;
  ThemeColor shell;
  ThemeColor surface;
  ThemeColor surfaceMuted;
  ThemeColor control;
  ThemeColor controlInk;
  ThemeColor ink;
  ThemeColor secondaryInk;
  ThemeColor muted;
  ThemeColor accent;
  ThemeColor line;
  ThemeColor strongLine;

  bool operator==(const VelmoraThemePalette&) const = default;
};

VelmoraThemePalette palette(VelmoraTheme theme);

}  // namespace ondi
