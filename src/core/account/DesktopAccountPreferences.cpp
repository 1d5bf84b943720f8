#include "core/account/DesktopAccountPreferences.h"

#include "core/ports/SettingsStore.h"
#include "core/theme/VelmoraTheme.h"

namespace ondi {

DesktopAccountPreferences DesktopAccountPreferences::localDefaults(const SettingsStore& settings) {
  DesktopAccountPreferences preferences;
  preferences.interfaceStyle = rawValue(currentTheme(settings));
  // The workspace switches work without an account, so what was chosen on this computer stays.
  preferences.showInspector = settings.boolValue("Velmora.showInspector", true);
  preferences.dailyBriefEnabled = settings.boolValue("Velmora.dailyBriefEnabled", true);
  return preferences;
}

void DesktopAccountPreferences::write(SettingsStore& settings) const {
  settings.setString(kInterfaceStyleKey, normalizedThemeID(interfaceStyle));
  settings.setBool("Velmora.showInspector", showInspector);
  settings.setBool("Velmora.dailyBriefEnabled", dailyBriefEnabled);
  settings.setBool("Velmora.useOpenAIFallback", useOpenAIFallback);
  settings.setBool("Velmora.autoModelHandoffEnabled", autoModelHandoffEnabled);
  settings.setBool("Velmora.requireApprovalForSpend", requireApprovalForSpend);
  settings.setBool("Velmora.requireApprovalForCustomerMessages",
                   requireApprovalForCustomerMessages);
  settings.setString("Velmora.modelProvider", modelProvider);
}

void from_json(const nlohmann::json& json, DesktopAccountPreferences& preferences) {
  json.at("interfaceStyle").get_to(preferences.interfaceStyle);
  json.at("showInspector").get_to(preferences.showInspector);
  json.at("dailyBriefEnabled").get_to(preferences.dailyBriefEnabled);
  json.at("useOpenAIFallback").get_to(preferences.useOpenAIFallback);
  json.at("autoModelHandoffEnabled").get_to(preferences.autoModelHandoffEnabled);
  json.at("requireApprovalForSpend").get_to(preferences.requireApprovalForSpend);
  json.at("requireApprovalForCustomerMessages")
      .get_to(preferences.requireApprovalForCustomerMessages);
  json.at("modelProvider").get_to(preferences.modelProvider);
}

void to_json(nlohmann::json& json, const DesktopAccountPreferences& preferences) {
  json = {
      {"interfaceStyle", preferences.interfaceStyle},
      {"showInspector", preferences.showInspector},
      {"dailyBriefEnabled", preferences.dailyBriefEnabled},
      {"useOpenAIFallback", preferences.useOpenAIFallback},
      {"autoModelHandoffEnabled", preferences.autoModelHandoffEnabled},
      {"requireApprovalForSpend", preferences.requireApprovalForSpend},
      {"requireApprovalForCustomerMessages", preferences.requireApprovalForCustomerMessages},
      {"modelProvider", preferences.modelProvider},
  };
}

}  // namespace ondi
