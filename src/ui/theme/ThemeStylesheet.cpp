#include "ui/theme/ThemeStylesheet.h"

#include <cmath>
#include <utility>

#include "core/theme/PanelStyle.h"
#include "core/theme/VelmoraThemePalette.h"

namespace ondi::ui {
namespace {

constexpr const char* kSerifTitleFace = "\"Noto Serif CJK JP\", \"Noto Serif\", serif";

// Redefines the toolkit's public colour names, so that rules written against them follow the
// palette too.
std::string namedColors(const VelmoraThemePalette& p) {
  const struct {
    const char* name;
    ThemeColor color;
  } names[] = {
      {"theme_bg_color", p.workspace},
      {"theme_fg_color", p.ink},
      {"theme_base_color", p.surface},
      {"theme_text_color", p.ink},
      {"theme_selected_bg_color", p.accent},
      {"theme_selected_fg_color", p.controlInk},
      {"borders", p.strongLine},
      {"unfocused_borders", p.line},
      {"window_bg_color", p.workspace},
      {"window_fg_color", p.ink},
      {"view_bg_color", p.surface},
      {"view_fg_color", p.ink},
      {"headerbar_bg_color", p.shell},
      {"headerbar_fg_color", p.ink},
      {"card_bg_color", p.surface},
      {"card_fg_color", p.ink},
      {"accent_color", p.accent},
      {"accent_bg_color", p.accent},
      {"accent_fg_color", p.controlInk},
  };
  std::string css;
  for (const auto& [name, color] : names) {
    css += std::string("@define-color ") + name + " " + cssColor(color) + ";\n";
  }
  return css;
}

// Window chrome and standard widgets; each {name} is a palette colour.
constexpr const char* kChrome = R"css(
window, window.background, .background { background-color: {workspace}; color: {ink}; }
headerbar, headerbar:backdrop {
  background-color: {shell};
  background-image: none;
  color: {ink};
  box-shadow: inset 0 -1px {line};
}
popover > contents, popover > arrow {
  background-color: {surface};
  color: {ink};
  border-color: {strongLine};
}
.view, textview text, list, listview, columnview, row { background-color: {surface}; color: {ink}; }
row:hover { background-color: {surfaceMuted}; }
entry, passwordentry, spinbutton, textview, dropdown > button {
  background-color: {surface};
  background-image: none;
  color: {ink};
  border: 1px solid {strongLine};
  box-shadow: none;
}
button {
  background-color: {surfaceMuted};
  background-image: none;
  color: {ink};
  border: 1px solid {line};
  box-shadow: none;
  text-shadow: none;
}
button:hover { background-color: mix({surfaceMuted}, {ink}, 0.06); }
button.flat, headerbar button, button.link, button.ondi-inline-link {
  background-color: transparent;
  border-color: transparent;
}
button.suggested-action {
  background-color: {control};
  color: {controlInk};
  border-color: {control};
}
button.suggested-action:hover { background-color: mix({control}, {controlInk}, 0.12); }
button.suggested-action:disabled { opacity: 0.45; }
switch:checked, checkbutton check:checked, checkbutton radio:checked {
  background-color: {control};
  color: {controlInk};
  border-color: {control};
}
link, button.link > label { color: {accent}; }
.dim-label, .caption { color: {muted}; }
separator { background-color: {line}; }
)css";

std::string chrome(const VelmoraThemePalette& p) {
  const std::pair<std::string, ThemeColor> colors[] = {
      {"{workspace}", p.workspace},
      {"{shell}", p.shell},
      {"{surface}", p.surface},
      {"{surfaceMuted}", p.surfaceMuted},
      {"{control}", p.control},
      {"{controlInk}", p.controlInk},
      {"{ink}", p.ink},
      {"{accent}", p.accent},
      {"{muted}", p.muted},
      {"{line}", p.line},
      {"{strongLine}", p.strongLine},
  };
  std::string css = kChrome;
  for (const auto& [placeholder, color] : colors) {
    const std::string value = cssColor(color);
    for (auto at = css.find(placeholder); at != std::string::npos;
         at = css.find(placeholder, at + value.size())) {
      css.replace(at, placeholder.size(), value);
    }
  }
  return css;
}

std::string px(double value) {
  return std::to_string(static_cast<int>(std::lround(value))) + "px";
}

std::string shadow(const PanelStyle& style) {
  if (!style.shadow) return "none";
  return "0 " + px(style.shadow->verticalOffset) + " " + px(style.shadow->blurRadius) + " " +
         cssColor(style.shadow->color);
}

std::string panelRule(const std::string& selector, const PanelStyle& style) {
  return selector + " {\n  background-color: " + cssColor(style.fill) +
         ";\n  border: " + px(style.strokeWidth) + " solid " + cssColor(style.stroke) +
         ";\n  border-radius: " + px(style.cornerRadius) + ";\n  box-shadow: " + shadow(style) +
         ";\n}\n";
}

// Panels: `ondi-panel` (flat) or `ondi-panel raised`, with `radius-N` naming the corner radius
// the screen asks for. The account screens' cards and editors are panels too.
std::string panels(VelmoraTheme theme) {
  std::string css;
  for (int radius = 0; radius <= kLargestPanelRadiusClass; ++radius) {
    const std::string name = ".ondi-panel.radius-" + std::to_string(radius);
    css += panelRule(name, panelStyle(theme, radius, false));
    css += panelRule(name + ".raised", panelStyle(theme, radius, true));
  }
  css += panelRule(".ondi-card", panelStyle(theme, 14, true));
  css += panelRule(".ondi-instruction-editor", panelStyle(theme, 12, false));
  const bool flat = prefersFlatChrome(theme);
  css += std::string(".ondi-panel, .ondi-card, .ondi-instruction-editor {\n  padding: ") +
         (flat ? "12px 14px" : "16px 18px") + ";\n}\n";
  return css;
}

std::string titles(VelmoraTheme theme) {
  if (!usesJapaneseMotif(theme)) return "";
  return std::string(".title-1, .title-2, .ondi-display-title {\n  font-family: ") +
         kSerifTitleFace + ";\n  font-weight: 600;\n}\n";
}

}  // namespace

std::string themeStylesheet(VelmoraTheme theme) {
  const VelmoraThemePalette colors = palette(theme);
  return namedColors(colors) + chrome(colors) + panels(theme) + titles(theme);
}

}  // namespace ondi::ui
