#pragma once

#include <array>
#include <optional>
#include <string>

namespace ondi {

class SettingsStore;

// The six visual themes, in the order every picker and map lists them.
enum class VelmoraTheme {
  washiStudio,
  washiEmber,
  porcelainAir,
  teaHouseSand,
  quietAperture,
  unifiedWorkspace,
};

inline constexpr std::array<VelmoraTheme, 6> kAllThemes{
    VelmoraTheme::washiStudio,  VelmoraTheme::washiEmber,    VelmoraTheme::porcelainAir,
    VelmoraTheme::teaHouseSand, VelmoraTheme::quietAperture, VelmoraTheme::unifiedWorkspace,
};

inline constexpr const char* kInterfaceStyleKey = "Velmora.interfaceStyle";

std::string rawValue(VelmoraTheme theme);
std::string title(VelmoraTheme theme);
std::string description(VelmoraTheme theme);
bool usesJapaneseMotif(VelmoraTheme theme);
bool prefersFlatChrome(VelmoraTheme theme);

// Exact, case-sensitive parsing of a stored or wire theme id.
std::optional<VelmoraTheme> themeFromRawValue(const std::string& raw);
// A theme id made safe: unknown ids become the default theme's.
std::string normalizedThemeID(const std::string& raw);
// The theme stored in the user defaults, or the default theme.
VelmoraTheme currentTheme(const SettingsStore& settings);

}  // namespace ondi
