#pragma once

#include <string>

#include "core/theme/VelmoraTheme.h"

namespace ondi {

// The six themes' page palettes as one JSON object, keyed by theme id, with sorted keys and no
// white space; "{}" when it cannot be serialised.
std::string desktopThemePaletteMapJSON();

// Defines the page's window.velmoraApplyDesktopTheme(theme) and applies, in order of
// preference, the theme the page stored, the theme its root element names, or `defaultTheme`.
std::string desktopThemeApplicationScript(VelmoraTheme defaultTheme);

// Fits a service page into the desktop shell: theme function, one style element, the AI
// disclaimer under the composer and window.velmoraDesktopUseSubagent. Runs once per page and
// leaves the carried operator page alone.
std::string minimalDesktopThemeScript();

// The call that applies `theme` in a page where the theme function may be missing.
std::string desktopThemeCallScript(VelmoraTheme theme);

// The carried operator page with the theme application script appended.
std::string desktopChatHTMLWithThemeScript(const std::string& pageHTML, VelmoraTheme defaultTheme);

}  // namespace ondi
