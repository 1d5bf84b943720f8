#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace ondi {

class SettingsStore;

// A signed-in user's desktop preferences; they belong to the account and are mirrored into
// the user defaults.
struct DesktopAccountPreferences {
  std::string interfaceStyle = "studio";
  bool showInspector = true;
  bool dailyBriefEnabled = true;
  bool useOpenAIFallback = true;
  bool autoModelHandoffEnabled = true;
  bool requireApprovalForSpend = true;
  bool requireApprovalForCustomerMessages = true;
  std::string modelProvider = "auto";

  bool operator==(const DesktopAccountPreferences&) const = default;

  // The current theme and the workspace switches as stored on this computer, every other switch
  // on, automatic model choice.
  static DesktopAccountPreferences localDefaults(const SettingsStore& settings);
  // What a signed-in account without stored preferences gets.
  static DesktopAccountPreferences accountDefaults() { return {}; }
  // Mirrors every field into the user defaults, the theme id normalised first.
  void write(SettingsStore& settings) const;
};

// Every key is required.
void from_json(const nlohmann::json& json, DesktopAccountPreferences& preferences);
void to_json(nlohmann::json& json, const DesktopAccountPreferences& preferences);

inline constexpr const char* kUnifiedThemeSyncFallbackKey = "Velmora.unifiedThemeSyncFallback";
inline constexpr const char* kUnifiedThemeUserIDKey = "Velmora.unifiedThemeUserID";

}  // namespace ondi
