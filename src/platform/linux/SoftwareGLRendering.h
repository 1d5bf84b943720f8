#pragma once

#include "core/ports/Logger.h"

namespace ondi::platform {

// When OpenGL is implemented in software (Mesa's llvmpipe, softpipe or swrast, as under Xvfb
// or in many virtual machines), makes GTK draw with cairo by setting GSK_RENDERER, which GTK
// programs started from here inherit. There GTK's OpenGL renderer compiles each shader on the
// CPU the first time a frame needs it, which holds the main loop, and with it the web
// process's start, for seconds on a first start; and it redraws the whole window for every
// frame, where cairo draws only what changed. A GSK_RENDERER set by the user is left alone.
// Call it before GTK draws its first window.
void drawWithCairoOnSoftwareGL(Logger& logger);

}  // namespace ondi::platform
