// Defines the page's window.velmoraApplyDesktopTheme(theme) and applies, in order of preference,
// the theme the page stored, the theme its root element names, or the default theme.
//
// One function expression, which the desktop calls with its settings:
//   {palettes: {<theme id>: {<CSS variable>: <value>}}, fallbackTheme, defaultTheme}
// Any name that is not a palette's own key is applied as `fallbackTheme`. At document start
// the page may have no root or body yet; they are styled when a later call finds them.
(function (settings) {
  var palettes = settings.palettes;
  var storageKey = "velmora-native-theme";
  window.velmoraApplyDesktopTheme = function (theme) {
    var selected = Object.prototype.hasOwnProperty.call(palettes, theme)
      ? theme
      : settings.fallbackTheme;
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
  var current =
    document.documentElement && document.documentElement.getAttribute("data-velmora-theme");
  window.velmoraApplyDesktopTheme(stored || current || settings.defaultTheme);
})
