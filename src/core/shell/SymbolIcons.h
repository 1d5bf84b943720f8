#pragma once

#include <string>

namespace ondi {

// The desktop icon (a symbolic name of the freedesktop and Adwaita icon themes) that stands for
// a symbol name of the workspace's screens; a generic icon for names without one.
std::string iconName(const std::string& symbol);

}  // namespace ondi
