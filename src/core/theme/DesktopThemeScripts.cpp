#include "core/theme/DesktopThemeScripts.h"

#include <nlohmann/json.hpp>

#include "core/surface/JavaScript.h"
#include "core/theme/MinimalDesktopThemeStyle.h"
#include "core/theme/VelmoraWebThemePalette.h"

namespace ondi {
namespace {

constexpr const char* kApplicationPrefix = "    (function () {\n      var palettes = ";

// Between the palette map and the fallback theme id.
constexpr const char* kApplicationFunction = R"js(;
      var storageKey = "velmora-native-theme";
      window.velmoraApplyDesktopTheme = function (theme) {
        var selected = Object.prototype.hasOwnProperty.call(palettes, theme) ? theme : ")js";

// Between the fallback theme id and the default theme id.
constexpr const char* kApplicationContinuation = R"js(";
        var palette = palettes[selected] || {};
        var root = document.documentElement;
        if (root) {
          Object.keys(palette).forEach(function (name) {
            root.style.setProperty(name, palette[name]);
          });
        }
        try {
          window.localStorage.setItem(storageKey, selected);
        } catch (error) {}
        if (root) root.setAttribute("data-velmora-theme", selected);
        if (document.body) document.body.setAttribute("data-velmora-theme", selected);
        return selected;
      };
      var stored = null;
      try {
        stored = window.localStorage.getItem(storageKey);
      } catch (error) {}
      var current = document.documentElement &&
        document.documentElement.getAttribute("data-velmora-theme");
      window.velmoraApplyDesktopTheme(
        stored || current || ")js";

constexpr const char* kApplicationSuffix = "\"\n      );\n    })();";

constexpr const char* kMinimalGuard = R"js((function () {
  if (document.getElementById("velmora-desktop-minimal-theme")) return;
  if (document.body && document.body.classList.contains("velmora-native-chat-shell")) return;
  document.documentElement.classList.add("velmora-desktop-minimal");
  if (document.body) document.body.classList.add("velmora-desktop-shell");
)js";

// Between the style sheet's text and the end of the script.
constexpr const char* kMinimalBehaviour = R"js(;
  (document.head || document.documentElement).appendChild(style);

  var disclaimerText = "Ondi responses are AI-generated and can make mistakes. " +
    "Please double-check important information.";
  function placeDisclaimer() {
    if (document.getElementById("velmora-ai-disclaimer")) return true;
    var composer = document.querySelector(".composer");
    if (!composer) return false;
    var note = document.createElement("p");
    note.id = "velmora-ai-disclaimer";
    note.className = "velmora-ai-disclaimer";
    note.textContent = disclaimerText;
    composer.appendChild(note);
    return true;
  }
  if (!placeDisclaimer() && document.body) {
    var observer = new MutationObserver(function () {
      if (placeDisclaimer()) observer.disconnect();
    });
    observer.observe(document.body, { childList: true, subtree: true });
  }

  window.velmoraDesktopUseSubagent = function (title) {
    var name = String(title);
    var select = document.getElementById("modelSelect");
    if (select) {
      var option = Array.prototype.find.call(select.options, function (candidate) {
        return candidate.text === name;
      });
      if (!option) {
        option = document.createElement("option");
        option.text = name;
        select.appendChild(option);
      }
      option.selected = true;
    }
    var input = document.getElementById("promptInput");
    if (input) {
      input.value = "Act as the " + name + " subagent. Start by defining your role, the inputs " +
        "you need, the decisions you can make, and what needs owner approval.";
      input.dispatchEvent(new Event("input", { bubbles: true }));
      input.focus();
    }
  };
})();
)js";

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

std::string desktopThemeApplicationScript(VelmoraTheme defaultTheme) {
  return kApplicationPrefix + desktopThemePaletteMapJSON() + kApplicationFunction +
         rawValue(VelmoraTheme::washiStudio) + kApplicationContinuation + rawValue(defaultTheme) +
         kApplicationSuffix;
}

std::string minimalDesktopThemeScript() {
  return kMinimalGuard + desktopThemeApplicationScript(VelmoraTheme::washiStudio) +
         "\n  var style = document.createElement(\"style\");\n"
         "  style.id = \"velmora-desktop-minimal-theme\";\n"
         "  style.textContent = " +
         javaScriptLiteral(minimalDesktopThemeStyleSheet()) + kMinimalBehaviour;
}

std::string desktopThemeCallScript(VelmoraTheme theme) {
  return "window.velmoraApplyDesktopTheme && window.velmoraApplyDesktopTheme('" + rawValue(theme) +
         "')";
}

std::string desktopChatHTMLWithThemeScript(const std::string& pageHTML, VelmoraTheme defaultTheme) {
  return pageHTML + "\n<script>\n" + desktopThemeApplicationScript(defaultTheme) + "\n</script>\n";
}

}  // namespace ondi
