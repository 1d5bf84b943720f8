#pragma once

namespace ondi::ui {

// Gives the whole program the shell's look, once per process: the light colour scheme of the
// toolkit, whatever the desktop prefers (the themes are light palettes), and the style classes
// of the sidebar, header, inspector and placeholder panels, drawn with the theme's colours.
void applyShellAppearance();

}  // namespace ondi::ui
