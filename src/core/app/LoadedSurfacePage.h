#pragma once

namespace ondi {

class AgentPromptPreparation;
class ModelProviderSelection;
struct NavigationState;
class PackWorkspaceController;

// Brings a page the surface finished loading up to date: the model new messages use, then the
// pack the workspace on screen serves, or else the prompt waiting for the agent page.
class LoadedSurfacePage {
 public:
  struct Dependencies {
    const NavigationState& state;
    ModelProviderSelection& modelProvider;
    PackWorkspaceController& packWorkspace;
    AgentPromptPreparation& prompts;
  };

  explicit LoadedSurfacePage(Dependencies dependencies) : deps_(dependencies) {}

  void setUp();

 private:
  Dependencies deps_;
};

}  // namespace ondi
