#include "core/packs/ModelProviderSelection.h"

#include "core/account/AccountState.h"
#include "core/account/DesktopPreferencesController.h"
#include "core/ports/Logger.h"
#include "core/ports/SettingsStore.h"
#include "core/script/JavaScript.h"
#include "core/script/SurfaceChannel.h"

namespace ondi {

ModelProviderSelection::ModelProviderSelection(Dependencies dependencies) : deps_(dependencies) {
  // Every change reaches the page, whether chosen here or adopted from the account, which is
  // shown without being written back to it.
  connections_.add(deps_.account.selectedModelProvider.changed().connect(
      [this](VelmoraModelProvider) { publishModelProviderSelection(); }));
}

VelmoraModelProvider ModelProviderSelection::selected() const {
  return deps_.account.selectedModelProvider.get();
}

void ModelProviderSelection::selectModelProvider(VelmoraModelProvider provider) {
  if (provider == selected()) return;
  deps_.account.selectedModelProvider.set(provider);
  deps_.settings.setString(kModelProviderKey, rawValue(provider));
  if (deps_.account.workspaceSessionState.get().isAuthenticated()) {
    deps_.preferences.update([provider](DesktopAccountPreferences& preferences) {
      preferences.modelProvider = rawValue(provider);
    });
  }
  deps_.logger.info("browser", "Model provider selected mode=" + rawValue(provider));
}

void ModelProviderSelection::publishModelProviderSelection() {
  const VelmoraModelProvider provider = selected();
  deps_.page.runScript(
      "(function(mode, title) {\n"
      "  if (typeof window.velmoraDesktopSetModelProvider === \"undefined\") return \"missing\";\n"
      "  window.velmoraDesktopSetModelProvider({ mode: mode, title: title });\n"
      "  return \"selected\";\n"
      "})(" +
      javaScriptLiteral(rawValue(provider)) + ", " + javaScriptLiteral(shortTitle(provider)) +
      ");");
}

}  // namespace ondi
