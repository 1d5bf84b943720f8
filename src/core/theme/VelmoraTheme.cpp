#include "core/theme/VelmoraTheme.h"

#include "core/ports/SettingsStore.h"

namespace ondi {

std::string rawValue(VelmoraTheme theme) {
  switch (theme) {
    case VelmoraTheme::washiStudio:
      return "studio";
    case VelmoraTheme::washiEmber:
      return "washi-ember";
    case VelmoraTheme::porcelainAir:
      return "cinematic";
    case VelmoraTheme::teaHouseSand:
      return "tea-house-sand";
    case VelmoraTheme::quietAperture:
      return "quiet-aperture";
    case VelmoraTheme::unifiedWorkspace:
      return "unified-workspace";
  }
  return "studio";
}

std::string title(VelmoraTheme theme) {
  switch (theme) {
    case VelmoraTheme::washiStudio:
      return "Washi Studio";
    case VelmoraTheme::washiEmber:
      return "Washi Ember";
    case VelmoraTheme::porcelainAir:
      return "Porcelain Air";
    case VelmoraTheme::teaHouseSand:
      return "Tea House Sand";
    case VelmoraTheme::quietAperture:
      return "Quiet Aperture";
    case VelmoraTheme::unifiedWorkspace:
      return "Unified Workspace";
  }
  return "Washi Studio";
}

std::string description(VelmoraTheme theme) {
  switch (theme) {
    case VelmoraTheme::washiStudio:
      return "Warm washi color with the full studio layout";
    case VelmoraTheme::washiEmber:
      return "Washi paper, sumi ink, vermilion seal";
    case VelmoraTheme::porcelainAir:
      return "The original, uninterrupted white workspace";
    case VelmoraTheme::teaHouseSand:
      return "A warm beige canvas framed by pale paper";
    case VelmoraTheme::quietAperture:
      return "Precise white panes, fine rules, generous breathing room";
    case VelmoraTheme::unifiedWorkspace:
      return "Task-first layout with Tools and an optional browser pane";
  }
  return "";
}

bool usesJapaneseMotif(VelmoraTheme theme) {
  return theme == VelmoraTheme::washiStudio || theme == VelmoraTheme::washiEmber ||
         theme == VelmoraTheme::teaHouseSand;
}

bool prefersFlatChrome(VelmoraTheme theme) {
  return theme == VelmoraTheme::quietAperture || theme == VelmoraTheme::unifiedWorkspace;
}

std::optional<VelmoraTheme> themeFromRawValue(const std::string& raw) {
  for (VelmoraTheme theme : kAllThemes) {
    if (rawValue(theme) == raw) return theme;
  }
  return std::nullopt;
}

std::string normalizedThemeID(const std::string& raw) {
  return rawValue(themeFromRawValue(raw).value_or(VelmoraTheme::washiStudio));
}

VelmoraTheme currentTheme(const SettingsStore& settings) {
  return themeFromRawValue(settings.stringValue(kInterfaceStyleKey, "studio"))
      .value_or(VelmoraTheme::washiStudio);
}

}  // namespace ondi
