#pragma once

#include <chrono>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "core/packs/AgentPack.h"
#include "core/published/Published.h"
#include "core/util/Lifetime.h"
#include "core/util/ScopedConnections.h"

namespace ondi {

class AgentPackCatalog;
class AgentPromptPreparation;
struct NavigationState;
class RouteNavigation;
class Scheduler;
class SurfaceHost;

// Opens packs as dedicated workspaces: shows the operator page, hands it the pack (retrying
// while the page is not ready), pre-selects a helper and puts starter prompts in its composer.
class PackWorkspaceController {
 public:
  struct Dependencies {
    const AgentPackCatalog& catalog;
    RouteNavigation& navigation;
    const NavigationState& state;
    SurfaceHost& surface;
    AgentPromptPreparation& prompts;
    Scheduler& scheduler;
  };

  explicit PackWorkspaceController(Dependencies dependencies);
  PackWorkspaceController(const PackWorkspaceController&) = delete;
  PackWorkspaceController& operator=(const PackWorkspaceController&) = delete;

  // The helper pre-selected in the open pack workspace; none means the main operator.
  Published<std::optional<std::string>> selectedPackHelperID;
  // The starter prompt waiting for the pack page; cleared once the page takes the pack.
  const std::optional<std::string>& pendingPackWorkspacePrompt() const { return pendingPrompt_; }

  // Makes `pack` the active dedicated workspace, with `helper` pre-selected (none: the main
  // operator) and `starterPrompt` for its composer.
  void openPackWorkspace(const AgentUseCasePack& pack, const AgentPackHelper* helper,
                         const std::optional<std::string>& starterPrompt);
  // Opens the pack `id` names, with no helper and no starter prompt; false when no pack has
  // that id.
  bool openPackWorkspace(const std::string& id);
  // The operator page is loaded afresh for the general agent page: no starter prompt waits.
  void clearPendingPackWorkspacePrompt() { pendingPrompt_.reset(); }
  // The pack of the active route when it is a pack workspace of a known pack; none otherwise.
  const AgentUseCasePack* activePack() const;
  bool isPackWorkspaceActive() const { return activePack() != nullptr; }
  // Pre-selects `helper` (none: the main operator) in `pack`, opening it when another is shown.
  void selectPackHelper(const AgentPackHelper* helper, const AgentUseCasePack& pack);
  // Puts a starter workflow's prompt in front of the user inside `pack`.
  void preparePackWorkflow(const AgentPackWorkflow& workflow, const AgentUseCasePack& pack);
  // Starts work with one helper of the pack titled `packTitle`, or, when no pack has that
  // title, with the helper on the general agent page.
  void useAgentPackHelper(const std::string& packTitle, const AgentPackHelper& helper,
                          const std::string& approvalRule);

  // The configuration the page receives for `pack`.
  nlohmann::json packWorkspacePayload(const AgentUseCasePack& pack) const;
  static std::string helperStarterPrompt(const AgentUseCasePack& pack,
                                         const AgentPackHelper& helper);

  // The surface finished loading a page: a pack workspace on screen is configured in it at
  // once. Returns whether one was.
  bool configureActivePackInLoadedPage();
  // Reopens the pack workspace on screen with the helper selected now; false when none is.
  bool reopenActivePack();

 private:
  void configurePackWorkspace(const AgentUseCasePack& pack, std::chrono::milliseconds delay,
                              int attempt);
  void attemptConfiguration(const std::string& packID, int attempt);

  Dependencies deps_;
  std::optional<std::string> pendingPrompt_;
  bool packShown_ = false;
  Lifetime lifetime_;
  ScopedConnections connections_;
};

}  // namespace ondi
