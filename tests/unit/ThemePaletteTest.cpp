#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>

#include "core/theme/DesktopThemeScripts.h"
#include "core/theme/PanelStyle.h"
#include "core/theme/VelmoraThemePalette.h"
#include "core/theme/VelmoraWebThemePalette.h"
#include "fakes/InMemorySettingsStore.h"

namespace ondi {
namespace {

using ::testing::ElementsAre;

TEST(VelmoraThemeTest, StoredStyleParsesExactlyAndFallsBackToStudio) {
  fakes::InMemorySettingsStore settings;
  EXPECT_EQ(currentTheme(settings), VelmoraTheme::washiStudio);
  const std::pair<std::string, VelmoraTheme> cases[] = {
      {"cinematic", VelmoraTheme::porcelainAir},
      {"unified-workspace", VelmoraTheme::unifiedWorkspace},
      {"Studio", VelmoraTheme::washiStudio},
      {"Cinematic", VelmoraTheme::washiStudio},
      {" cinematic", VelmoraTheme::washiStudio},
      {"porcelainAir", VelmoraTheme::washiStudio},
      {"", VelmoraTheme::washiStudio},
  };
  for (const auto& [stored, expected] : cases) {
    settings.setString(kInterfaceStyleKey, stored);
    EXPECT_EQ(currentTheme(settings), expected) << '"' << stored << '"';
  }
}

TEST(ThemePaletteTest, PaletteMapListsSixSortedThemesOfNineteenVariables) {
  const std::string text = desktopThemePaletteMapJSON();
  EXPECT_EQ(text.find_first_of(" \n"), std::string::npos) << "not compact";
  const auto map = nlohmann::ordered_json::parse(text);
  std::vector<std::string> themes;
  for (const auto& [theme, variables] : map.items()) {
    themes.push_back(theme);
    EXPECT_EQ(variables.size(), 19u) << theme;
    std::vector<std::string> names;
    for (const auto& [name, value] : variables.items()) names.push_back(name);
    EXPECT_TRUE(std::ranges::is_sorted(names)) << theme;
  }
  EXPECT_THAT(themes, ElementsAre("cinematic", "quiet-aperture", "studio", "tea-house-sand",
                                  "unified-workspace", "washi-ember"));
}

TEST(ThemePaletteTest, VariablesMapOntoTheirPaletteFields) {
  const auto variables = webPalette(VelmoraTheme::teaHouseSand).cssVariables();
  const std::map<std::string, std::string> expected = {
      {"--accent", "#A33C25"},
      {"--accent-2", "#574F42"},
      {"--bg", "#EADDC7"},
      {"--clay", "#A33C25"},
      {"--control", "#23201B"},
      {"--control-ink", "#FDF9F0"},
      {"--line", "rgba(35,32,27,0.115)"},
      {"--line-strong", "rgba(35,32,27,0.220)"},
      {"--muted", "#574F42"},
      {"--muted-2", "#81735D"},
      {"--panel", "#FDF9F0"},
      {"--panel-2", "#E2D2B6"},
      {"--sidebar", "#F7F0E1"},
      {"--soft", "#81735D"},
      {"--surface", "#FDF9F0"},
      {"--surface-2", "#E2D2B6"},
      {"--surface-3", "#E2D2B6"},
      {"--text", "#23201B"},
      {"--user", "#E2D2B6"},
  };
  EXPECT_EQ(variables, expected);
  EXPECT_EQ(webPalette(VelmoraTheme::washiEmber).cssVariables(),
            webPalette(VelmoraTheme::washiStudio).cssVariables());
  EXPECT_EQ(webPalette(VelmoraTheme::unifiedWorkspace).cssVariables(),
            webPalette(VelmoraTheme::quietAperture).cssVariables());
}

// Reads "#RRGGBB" or "rgba(r,g,b,a)" as 0..255 components and an opacity.
std::array<double, 4> parseWebColor(const std::string& text) {
  std::smatch match;
  if (std::regex_match(text, match, std::regex("#([0-9A-F]{2})([0-9A-F]{2})([0-9A-F]{2})"))) {
    return {double(std::stoi(match[1], nullptr, 16)), double(std::stoi(match[2], nullptr, 16)),
            double(std::stoi(match[3], nullptr, 16)), 1.0};
  }
  if (std::regex_match(text, match, std::regex(R"(rgba\((\d+),(\d+),(\d+),(0\.\d+)\))"))) {
    return {std::stod(match[1]), std::stod(match[2]), std::stod(match[3]), std::stod(match[4])};
  }
  ADD_FAILURE() << "not a six-digit upper-case hex or compact rgba colour: " << text;
  return {};
}

// The two tables describe the same colours, one for native screens and one for the page; a
// typo in either shows up as a mismatch.
TEST(ThemePaletteTest, NativeAndPageColoursAgree) {
  for (VelmoraTheme theme : kAllThemes) {
    const VelmoraThemePalette native = palette(theme);
    const VelmoraWebThemePalette web = webPalette(theme);
    const std::pair<ThemeColor, std::string> fields[] = {
        {native.workspace, web.workspace},
        {native.shell, web.shell},
        {native.surface, web.surface},
        {native.surfaceMuted, web.surfaceMuted},
        {native.control, web.control},
        {native.controlInk, web.controlInk},
        {native.ink, web.ink},
        {native.secondaryInk, web.secondaryInk},
        {native.muted, web.muted},
        {native.accent, web.accent},
        {native.line, web.line},
        {native.strongLine, web.strongLine},
    };
    for (const auto& [color, text] : fields) {
      SCOPED_TRACE(rawValue(theme) + " " + text);
      const auto page = parseWebColor(text);
      EXPECT_NEAR(color.red * 255, page[0], 1.0);
      EXPECT_NEAR(color.green * 255, page[1], 1.0);
      EXPECT_NEAR(color.blue * 255, page[2], 1.0);
      EXPECT_DOUBLE_EQ(color.opacity, page[3]);
    }
  }
}

TEST(ThemePaletteTest, NativeColoursBecomeCssText) {
  EXPECT_EQ(cssColor(palette(VelmoraTheme::washiStudio).workspace), "rgba(96.5%,95.3%,91.8%,1)");
  EXPECT_EQ(cssColor(palette(VelmoraTheme::teaHouseSand).strongLine),
            "rgba(13.7%,12.5%,10.5%,0.22)");
  EXPECT_EQ(cssColor(palette(VelmoraTheme::porcelainAir).line), "rgba(0%,0%,0%,0.075)");
  EXPECT_EQ(cssColor(palette(VelmoraTheme::quietAperture).workspace), "rgba(100%,100%,100%,1)");
}

TEST(PanelStyleTest, CornersAreCappedPerThemeAndFlatChromeDropsRoundingAndShadow) {
  const std::pair<VelmoraTheme, double> caps[] = {
      {VelmoraTheme::washiStudio, 4},   {VelmoraTheme::washiEmber, 4},
      {VelmoraTheme::porcelainAir, 8},  {VelmoraTheme::teaHouseSand, 4},
      {VelmoraTheme::quietAperture, 0}, {VelmoraTheme::unifiedWorkspace, 0},
  };
  for (const auto& [theme, radius] : caps) {
    EXPECT_EQ(panelStyle(theme, 12, true).cornerRadius, radius) << rawValue(theme);
    EXPECT_EQ(panelStyle(theme, 12, true).shadow.has_value(), !prefersFlatChrome(theme));
    EXPECT_FALSE(panelStyle(theme, 12, false).shadow) << rawValue(theme);
  }
  EXPECT_EQ(panelStyle(VelmoraTheme::porcelainAir, 3, false).cornerRadius, 3);
  EXPECT_EQ(panelCornerRadiusCap(VelmoraTheme::quietAperture), 6);
  EXPECT_EQ(panelCornerRadiusCap(VelmoraTheme::unifiedWorkspace), 10);

  const PanelStyle raised = panelStyle(VelmoraTheme::porcelainAir, 12, true);
  EXPECT_EQ(raised.shadow, (PanelShadow{ThemeColor::gray(0, 0.055), 7, 3}));
  EXPECT_EQ(raised.fill, palette(VelmoraTheme::porcelainAir).surface);
  EXPECT_EQ(raised.strokeWidth, 1);
}

}  // namespace
}  // namespace ondi
