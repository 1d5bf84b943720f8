#include "core/packs/PackWorkspaceController.h"

#include <algorithm>

#include "core/navigation/NavigationState.h"
#include "core/navigation/RouteNavigation.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/packs/AgentPackCatalog.h"
#include "core/ports/Scheduler.h"
#include "core/script/JavaScript.h"
#include "core/surface/SurfaceHost.h"
#include "core/util/Text.h"
#include "core/workspace/AgentPromptPreparation.h"

namespace ondi {
namespace {

using std::chrono::milliseconds;

// A freshly loaded operator page needs a moment to define its functions; a page that is not
// ready yet is asked again at this interval, at most this many times in all.
constexpr milliseconds kFirstAttemptAfterLoad{550};
constexpr milliseconds kRetryInterval{350};
constexpr int kLastAttempt = 11;
constexpr const char* kMainOperator = "Main operator";

std::string workspaceName(const AgentUseCasePack& pack) {
  return pack.title + " Workspace";
}

std::string joined(const std::vector<std::string>& items, const std::string& separator) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : separator) + item;
  return text;
}

}  // namespace

PackWorkspaceController::PackWorkspaceController(Dependencies dependencies) : deps_(dependencies) {
  // A page scoped to a pack is not the general agent page: leaving the pack workspace lets the
  // agent route load that page afresh.
  connections_.add(deps_.state.activeRoute.changed().connect([this](const VelmoraRoute& route) {
    const bool packShown = route.kind() == VelmoraRoute::Kind::packWorkspace;
    if (packShown_ && !packShown) deps_.surface.setShowingDesktopChat(false);
    packShown_ = packShown;
  }));
}

const AgentUseCasePack* PackWorkspaceController::activePack() const {
  const VelmoraRoute& route = deps_.state.activeRoute.get();
  if (route.kind() != VelmoraRoute::Kind::packWorkspace) return nullptr;
  return deps_.catalog.pack(route.packID());
}

void PackWorkspaceController::openPackWorkspace(const AgentUseCasePack& pack,
                                                const AgentPackHelper* helper,
                                                const std::optional<std::string>& starterPrompt) {
  const bool pageWasShowing = deps_.surface.isShowingDesktopChat();
  deps_.navigation.show(VelmoraRoute::packWorkspace(pack.id));
  selectedPackHelperID.set(helper ? std::optional(helper->id) : std::nullopt);
  pendingPrompt_ = starterPrompt ? std::optional(trimmedWhitespace(*starterPrompt)) : std::nullopt;
  deps_.surface.setShowingDesktopChat(true);
  deps_.navigation.showAddress("velmora://workspace/" + pack.id);
  // The page is loaded here rather than through the agent route, which would drop the
  // starter prompt the pack is about to hand over.
  if (!pageWasShowing) deps_.surface.loadDesktopChat();
  configurePackWorkspace(pack, pageWasShowing ? milliseconds(0) : kFirstAttemptAfterLoad, 0);
}

bool PackWorkspaceController::openPackWorkspace(const std::string& id) {
  const AgentUseCasePack* pack = deps_.catalog.pack(id);
  if (!pack) return false;
  openPackWorkspace(*pack, nullptr, std::nullopt);
  return true;
}

void PackWorkspaceController::configurePackWorkspace(const AgentUseCasePack& pack,
                                                     milliseconds delay, int attempt) {
  if (attempt > kLastAttempt) return;
  deps_.scheduler.postAfter(delay, whileAlive(lifetime_, [this, id = pack.id, attempt] {
                              attemptConfiguration(id, attempt);
                            }));
}

void PackWorkspaceController::attemptConfiguration(const std::string& packID, int attempt) {
  const AgentUseCasePack* pack = activePack();
  // The user has moved on to another screen or pack.
  if (!pack || pack->id != packID) return;
  std::string payload;
  try {
    payload = packWorkspacePayload(*pack).dump();
  } catch (const nlohmann::json::exception&) {
    return;  // Text that is not UTF-8 cannot reach the page.
  }
  deps_.surface.evaluateScript(
      "(function(payload) {\n"
      "  if (typeof window.velmoraDesktopOpenPackWorkspace === \"undefined\") return \"missing\";\n"
      "  window.velmoraDesktopOpenPackWorkspace(payload);\n"
      "  return \"configured\";\n"
      "})(" +
          payload + ");",
      whileAlive(lifetime_, [this, packID, attempt](ScriptResult result) {
        if (!result || *result == "\"missing\"") {
          if (const AgentUseCasePack* pack = deps_.catalog.pack(packID)) {
            configurePackWorkspace(*pack, kRetryInterval, attempt + 1);
          }
          return;
        }
        pendingPrompt_.reset();
      }));
}

nlohmann::json PackWorkspaceController::packWorkspacePayload(const AgentUseCasePack& pack) const {
  nlohmann::json helpers = nlohmann::json::array();
  for (const AgentPackHelper& helper : pack.helpers) {
    helpers.push_back(
        {{"id", helper.id}, {"name", helper.name}, {"role", helper.role}, {"steps", helper.steps}});
  }
  nlohmann::json workflows = nlohmann::json::array();
  for (const AgentPackWorkflow& workflow : pack.workflows) {
    workflows.push_back({{"id", workflow.id},
                         {"title", workflow.title},
                         {"detail", workflow.detail},
                         {"prompt", workflow.prompt}});
  }
  return {{"id", pack.id},
          {"title", pack.title},
          {"workspaceName", workspaceName(pack)},
          {"subtitle", pack.subtitle},
          {"overview", pack.overview},
          {"threadId", "pack-" + pack.id},
          {"scopeInstruction", pack.workspaceScopeInstruction()},
          {"approvalTitle", pack.approvalTitle},
          {"approvalDetail", pack.approvalDetail},
          {"selectedHelperId", selectedPackHelperID.get().value_or("")},
          {"starterPrompt", pendingPrompt_.value_or("")},
          {"helpers", std::move(helpers)},
          {"workflows", std::move(workflows)}};
}

void PackWorkspaceController::selectPackHelper(const AgentPackHelper* helper,
                                               const AgentUseCasePack& pack) {
  const AgentUseCasePack* active = activePack();
  if (!active || active->id != pack.id) {
    openPackWorkspace(pack, helper, std::nullopt);
    return;
  }
  selectedPackHelperID.set(helper ? std::optional(helper->id) : std::nullopt);
  deps_.surface.runScript(
      "(function(helperID) {\n"
      "  if (typeof window.velmoraDesktopSelectPackAgent === \"undefined\") return \"missing\";\n"
      "  window.velmoraDesktopSelectPackAgent(helperID || null);\n"
      "  return \"selected\";\n"
      "})(" +
      javaScriptLiteral(helper ? helper->id : "") + ");");
}

void PackWorkspaceController::preparePackWorkflow(const AgentPackWorkflow& workflow,
                                                  const AgentUseCasePack& pack) {
  const std::string prompt = "Use the " + workspaceName(pack) + ". " + workflow.prompt +
                             " Keep this approval rule in force: " + pack.approvalDetail;
  const AgentUseCasePack* active = activePack();
  if (active && active->id == pack.id) {
    pendingPrompt_ = prompt;
    deps_.prompts.injectAgentPrompt(prompt, kMainOperator);
    return;
  }
  openPackWorkspace(pack, nullptr, prompt);
}

void PackWorkspaceController::useAgentPackHelper(const std::string& packTitle,
                                                 const AgentPackHelper& helper,
                                                 const std::string& approvalRule) {
  for (const AgentUseCasePack& pack : deps_.catalog.all()) {
    if (pack.title == packTitle) {
      openPackWorkspace(pack, &helper, helperStarterPrompt(pack, helper));
      return;
    }
  }
  deps_.prompts.prepareAgentPrompt(
      "Use the " + helper.name + " helper from my " + packTitle +
          " pack. Your role is: " + helper.role +
          ". Work only within this use case. Begin by asking for the minimum context you need, "
          "then follow this sequence: " +
          joined(helper.steps, ", ") + ". Keep this approval rule in force: " + approvalRule,
      helper.name);
}

std::string PackWorkspaceController::helperStarterPrompt(const AgentUseCasePack& pack,
                                                         const AgentPackHelper& helper) {
  return "Use the " + helper.name + " helper in the " + workspaceName(pack) +
         ". Your role is: " + helper.role +
         ". Begin by asking for the minimum context you need, then follow this sequence: " +
         joined(helper.steps, ", ") + ". Keep this approval rule in force: " + pack.approvalDetail;
}

bool PackWorkspaceController::configureActivePackInLoadedPage() {
  const AgentUseCasePack* pack = activePack();
  if (!pack) return false;
  configurePackWorkspace(*pack, milliseconds(0), 0);
  return true;
}

bool PackWorkspaceController::reopenActivePack() {
  const AgentUseCasePack* pack = activePack();
  if (!pack) return false;
  const auto& helpers = pack->helpers;
  const auto selected = selectedPackHelperID.get();
  const auto helper = std::ranges::find_if(
      helpers, [&selected](const AgentPackHelper& item) { return selected == item.id; });
  deps_.surface.setShowingDesktopChat(false);
  openPackWorkspace(*pack, helper == helpers.end() ? nullptr : &*helper, std::nullopt);
  return true;
}

}  // namespace ondi
