#pragma once

#include "core/script/SurfaceResources.h"
#include "core/theme/VelmoraTheme.h"

namespace ondi::platform {

// The surface's texts as the program carries them; the operator page applies `defaultTheme`
// until it has stored a theme of its own.
SurfaceResources bundledSurfaceResources(VelmoraTheme defaultTheme);

}  // namespace ondi::platform
