#pragma once

#include <string>

namespace ondi {

// The style sheet that fits a service page into the desktop shell: studio defaults for every
// theme variable, a single-column layout, and restyled page classes that use only those
// variables, with flatter variants for the flat-chrome themes.
std::string minimalDesktopThemeStyleSheet();

}  // namespace ondi
