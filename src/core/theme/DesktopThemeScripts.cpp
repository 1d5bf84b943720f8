#include "core/theme/DesktopThemeScripts.h"

#include <nlohmann/json.hpp>

#include "core/script/JavaScript.h"
#include "core/theme/VelmoraWebThemePalette.h"

namespace ondi {
namespace {

// The scripts are function expressions that may end in a line comment: each is closed on a line
// of its own before it is called.

// The theme script's settings, as a JavaScript object literal.
std::string themeSettingsJSON(VelmoraTheme defaultTheme) {
  return R"({"palettes":)" + desktopThemePaletteMapJSON() + R"(,"fallbackTheme":)" +
         javaScriptLiteral(rawValue(VelmoraTheme::washiStudio)) + R"(,"defaultTheme":)" +
         javaScriptLiteral(rawValue(defaultTheme)) + "}";
}

}  // namespace

std::string desktopThemePaletteMapJSON() {
  try {
    nlohmann::json map = nlohmann::json::object();
    for (VelmoraTheme theme : kAllThemes) map[rawValue(theme)] = webPalette(theme).cssVariables();
    return map.dump();
  } catch (const nlohmann::json::exception&) {
    return "{}";
  }
}

std::string desktopThemeApplicationScript(const std::string& themeScript,
                                          VelmoraTheme defaultTheme) {
  if (themeScript.empty()) return {};
  return "(" + themeScript + "\n)(" + themeSettingsJSON(defaultTheme) + ");";
}

std::string minimalDesktopThemeScript(const SurfaceResources& resources) {
  if (resources.minimalThemeScript.empty() || resources.desktopThemeScript.empty()) return {};
  return "(" + resources.minimalThemeScript + "\n)(" + resources.desktopThemeScript + "\n, " +
         themeSettingsJSON(VelmoraTheme::washiStudio) + ", " +
         javaScriptLiteral(resources.minimalThemeStyleSheet) + ");";
}

std::string desktopThemeCallScript(VelmoraTheme theme) {
  return "window.velmoraApplyDesktopTheme && window.velmoraApplyDesktopTheme('" + rawValue(theme) +
         "')";
}

std::string desktopChatHTMLWithThemeScript(const std::string& pageHTML,
                                           const std::string& themeScript,
                                           VelmoraTheme defaultTheme) {
  const std::string script = desktopThemeApplicationScript(themeScript, defaultTheme);
  if (script.empty()) return pageHTML;
  return pageHTML + "\n<script>\n" + script + "\n</script>\n";
}

}  // namespace ondi
