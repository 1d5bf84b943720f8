#include "core/app/LoadedSurfacePage.h"

#include "core/navigation/NavigationState.h"
#include "core/packs/ModelProviderSelection.h"
#include "core/packs/PackWorkspaceController.h"
#include "core/workspace/AgentPromptPreparation.h"

namespace ondi {

void LoadedSurfacePage::setUp() {
  deps_.modelProvider.publishModelProviderSelection();
  if (deps_.packWorkspace.configureActivePackInLoadedPage()) return;
  if (deps_.state.activeRoute.get() == VelmoraRoute::agent()) {
    deps_.prompts.injectPendingAgentPrompt();
  }
}

}  // namespace ondi
