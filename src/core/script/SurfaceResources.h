#pragma once

#include <string>

namespace ondi {

// The texts the agent surface is built from. The composition root reads them from the program's
// resources; the core only splices them into pages. A missing script text gives no script.
struct SurfaceResources {
  // The operator page the surface shows for the desktop chat.
  std::string desktopChatHTML{};
  // desktop-theme.js: the function that defines and applies the page's theme function.
  std::string desktopThemeScript{};
  // minimal-theme.js and minimal-theme.css: fit a service page into the desktop shell.
  std::string minimalThemeScript{};
  std::string minimalThemeStyleSheet{};
};

}  // namespace ondi
