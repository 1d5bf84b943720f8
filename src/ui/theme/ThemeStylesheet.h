#pragma once

#include <string>

#include "core/theme/VelmoraTheme.h"

namespace ondi::ui {

// The largest corner radius a panel style class names; screens asking for more get this.
inline constexpr int kLargestPanelRadiusClass = 16;

// The GTK style sheet of every native screen under `theme`: the palette's colours on windows,
// header bars, views, entries and buttons, the panel classes with the theme's corner caps,
// strokes and shadows, and the serif title face of the Japanese-motif themes.
std::string themeStylesheet(VelmoraTheme theme);

}  // namespace ondi::ui
