#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/account/AccountState.h"
#include "core/theme/VelmoraTheme.h"
#include "core/util/Lifetime.h"

namespace ondi {

class SettingsStore;
class WorkspaceAPIClient;

// Makes preferences current (published, mirrored into the user defaults, theme pushed into
// the page) and writes a signed-in user's changes back to the account.
class DesktopPreferencesController {
 public:
  DesktopPreferencesController(AccountState& state, SettingsStore& settings,
                               WorkspaceAPIClient& api,
                               std::function<void(VelmoraTheme)> showTheme);

  AccountState& state() { return state_; }

  // The one way screens change a preference.
  void update(const std::function<void(DesktopAccountPreferences&)>& edit);
  void apply(const DesktopAccountPreferences& preferences);
  // Adopts the preferences a session answer confirmed for `userID`. The style in use is kept
  // when the same user is re-confirmed; the unified theme is restored for the user who chose it.
  void adoptFromSession(std::optional<DesktopAccountPreferences> account,
                        const std::string& previousUserID, const std::string& userID);
  void applyLocalDefaults();

 private:
  void persist(DesktopAccountPreferences preferences);

  AccountState& state_;
  SettingsStore& settings_;
  WorkspaceAPIClient& api_;
  // Shows a theme in the surface at once.
  std::function<void(VelmoraTheme)> showTheme_;
  Lifetime lifetime_;
};

}  // namespace ondi
