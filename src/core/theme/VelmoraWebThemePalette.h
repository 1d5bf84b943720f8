#pragma once

#include <map>
#include <string>

#include "core/theme/VelmoraTheme.h"

namespace ondi {

// The colours a hosted page is drawn with, as CSS colour text.
struct VelmoraWebThemePalette {
  std::string workspace;
  std::string shell;
  std::string surface;
  std::string surfaceMuted;
  std::string control;
  std::string controlInk;
  std::string ink;
  std::string secondaryInk;
  std::string muted;
  std::string accent;
  std::string line;
  std::string strongLine;

  // The page's nineteen custom properties ("--bg", "--text", …) and their colours.
  std::map<std::string, std::string> cssVariables() const;
};

VelmoraWebThemePalette webPalette(VelmoraTheme theme);

}  // namespace ondi
