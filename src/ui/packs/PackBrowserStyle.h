#pragma once

namespace ondi::ui {

// Installs, once per process, the pack browser's classes: its type scale and spacing, the
// pack list's rows and badge, and the helper rows' step and connector chips. Surfaces, ink
// and rules come from the theme, so the screen follows theme changes.
void installPackBrowserStyle();

}  // namespace ondi::ui
