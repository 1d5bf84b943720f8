// Fits a service page into the desktop shell: the theme function, one style element, the AI
// disclaimer under the composer and window.velmoraDesktopUseSubagent. Runs once per page and
// leaves the carried operator page alone.
//
// One function expression, which the desktop calls with the theme script's function (see
// desktop-theme.js), that function's settings, and the text of minimal-theme.css. The style
// sheet is preceded by a :root rule with the fallback theme's palette, so that every variable it
// uses has a value before a theme is applied.
(function (installDesktopTheme, themeSettings, styleSheet) {
  if (document.getElementById("velmora-desktop-minimal-theme")) return;
  if (document.body && document.body.classList.contains("velmora-native-chat-shell")) return;
  document.documentElement.classList.add("velmora-desktop-minimal");
  if (document.body) document.body.classList.add("velmora-desktop-shell");

  installDesktopTheme(themeSettings);

  var defaults = themeSettings.palettes[themeSettings.fallbackTheme] || {};
  var rootRule = ":root {\n" + Object.keys(defaults).map(function (name) {
    return "  " + name + ": " + defaults[name] + ";\n";
  }).join("") + "}\n";
  var style = document.createElement("style");
  style.id = "velmora-desktop-minimal-theme";
  style.textContent = rootRule + styleSheet;
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
})
