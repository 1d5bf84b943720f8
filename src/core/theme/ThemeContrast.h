#pragma once

#include "core/theme/VelmoraThemePalette.h"

namespace ondi {

// `color` drawn over the opaque `background`: what the eye sees.
ThemeColor composite(const ThemeColor& color, const ThemeColor& background);

// The contrast ratio of two opaque colours, from 1 (none) to 21 (black on white), as the web
// content accessibility guidelines define it.
double contrastRatio(const ThemeColor& first, const ThemeColor& second);

}  // namespace ondi
