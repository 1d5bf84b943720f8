#pragma once

#include <string>

#include "core/script/SurfaceResources.h"
#include "core/theme/VelmoraTheme.h"

namespace ondi {

// The six themes' page palettes as one JSON object, keyed by theme id, with sorted keys and no
// white space; "{}" when it cannot be serialised.
std::string desktopThemePaletteMapJSON();

// Calls the theme script (`themeScript`, the text of desktop-theme.js) with the six palettes,
// studio for unknown names, and `defaultTheme` for a page that neither stored nor names one.
std::string desktopThemeApplicationScript(const std::string& themeScript,
                                          VelmoraTheme defaultTheme);

// Calls the minimal theme script with the theme script (studio by default) and the minimal
// style sheet.
std::string minimalDesktopThemeScript(const SurfaceResources& resources);

// The call that applies `theme` in a page where the theme function may be missing.
std::string desktopThemeCallScript(VelmoraTheme theme);

// `pageHTML` with the theme application script appended.
std::string desktopChatHTMLWithThemeScript(const std::string& pageHTML,
                                           const std::string& themeScript,
                                           VelmoraTheme defaultTheme);

}  // namespace ondi
