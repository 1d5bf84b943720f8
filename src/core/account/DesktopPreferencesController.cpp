#include "core/account/DesktopPreferencesController.h"

#include "core/account/WorkspaceAPIClient.h"
#include "core/ports/SettingsStore.h"
#include "core/theme/VelmoraTheme.h"
#include "core/util/Json.h"

namespace ondi {
namespace {
const std::string kUnifiedTheme = rawValue(VelmoraTheme::unifiedWorkspace);
}

DesktopPreferencesController::DesktopPreferencesController(
    AccountState& state, SettingsStore& settings, WorkspaceAPIClient& api,
    std::function<void(VelmoraTheme)> showTheme)
    : state_(state), settings_(settings), api_(api), showTheme_(std::move(showTheme)) {}

void DesktopPreferencesController::update(
    const std::function<void(DesktopAccountPreferences&)>& edit) {
  const DesktopAccountPreferences current = state_.desktopPreferences.get();
  DesktopAccountPreferences changed = current;
  edit(changed);
  if (changed == current) return;
  if (changed.interfaceStyle != current.interfaceStyle) {
    if (changed.interfaceStyle != kUnifiedTheme) {
      settings_.remove(kUnifiedThemeUserIDKey);
    } else {
      settings_.setString(kUnifiedThemeSyncFallbackKey, current.interfaceStyle);
      settings_.setString(kUnifiedThemeUserIDKey, state_.signedInUserID());
    }
  }
  apply(changed);
  if (state_.workspaceSessionState.get().isAuthenticated()) persist(changed);
}

void DesktopPreferencesController::apply(const DesktopAccountPreferences& preferences) {
  state_.desktopPreferences.set(preferences);
  preferences.write(settings_);
  showTheme_(currentTheme(settings_));
  if (const auto provider = modelProviderFromRawValue(preferences.modelProvider)) {
    state_.selectedModelProvider.set(*provider);
  }
}

void DesktopPreferencesController::adoptFromSession(
    std::optional<DesktopAccountPreferences> account, const std::string& previousUserID,
    const std::string& userID) {
  DesktopAccountPreferences preferences =
      account.value_or(DesktopAccountPreferences::accountDefaults());
  if (!previousUserID.empty() && previousUserID == userID) {
    preferences.interfaceStyle = state_.desktopPreferences.get().interfaceStyle;
  }
  if (settings_.stringValue(kUnifiedThemeUserIDKey) == userID) {
    preferences.interfaceStyle = kUnifiedTheme;
  }
  apply(preferences);
}

void DesktopPreferencesController::applyLocalDefaults() {
  apply(DesktopAccountPreferences::localDefaults(settings_));
}

void DesktopPreferencesController::persist(DesktopAccountPreferences preferences) {
  if (preferences.interfaceStyle == kUnifiedTheme) {
    preferences.interfaceStyle = settings_.stringValue(kUnifiedThemeSyncFallbackKey, "studio");
  }
  if (!state_.workspaceSessionState.get().isAuthenticated()) return;
  const nlohmann::json body = {{"preferences", preferences}};
  api_.performAuthenticatedAPIRequest(
      "/api/account/preferences", "PUT", encodeJSON(body), {},
      whileAlive(lifetime_, [this](DesktopAPIResult result) {
        if (result && result->statusCode >= 200 && result->statusCode < 300) {
          state_.accountActionError.set("");
          return;
        }
        const std::string reason = result ? DesktopAPIRequestError::invalidResponse().description()
                                          : result.error().description();
        state_.accountActionError.set("Settings could not be synced. " + reason);
      }));
}

}  // namespace ondi
