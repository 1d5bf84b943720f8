#pragma once

#include <string>

#include "core/theme/VelmoraTheme.h"

namespace ondi {

class VelmoraRoute;

// What the account parts ask of the rest of the model.
class AccountHost {
 public:
  virtual ~AccountHost() = default;
  virtual void load(const VelmoraRoute& route) = 0;
  // Runs a script in the surface, ignoring its result.
  virtual void runSurfaceScript(const std::string& script) = 0;
  // Shows `theme` in the surface at once: its background and the page's colours.
  virtual void applyDesktopThemeToWebView(VelmoraTheme theme) = 0;
};

}  // namespace ondi
