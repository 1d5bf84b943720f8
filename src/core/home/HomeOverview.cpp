#include "core/home/HomeOverview.h"

#include <algorithm>

#include "core/account/DesktopAccountPreferences.h"
#include "core/workspace/WorkspaceStore.h"

namespace ondi {

std::vector<HomeMetric> homeMetrics(const WorkspaceStore& store) {
  return {
      {"Approvals waiting", std::to_string(store.pendingApprovalCount()), "checkmark.seal"},
      {"Active requests", std::to_string(store.activeRequestCount()), "tray.full"},
      {"Agents working", std::to_string(store.draftingCount()), "person.2"},
      {"Connected tools", std::to_string(store.connectedCount()),
       "point.3.connected.trianglepath.dotted"},
  };
}

const std::vector<HomeQuickAction>& homeQuickActions() {
  static const std::vector<HomeQuickAction> actions{
      {"plus", "New request", "Start a request with the main agent",
       HomeQuickActionKind::newRequest},
      {"checkmark.seal", "Review approvals", "See the items waiting for your decision",
       HomeQuickActionKind::reviewApprovals},
      {"safari", "Open browser", "Work with live page context in Ondi",
       HomeQuickActionKind::openBrowser},
  };
  return actions;
}

std::vector<HomeSetupRow> homeSetupRows(const WorkspaceStore& store,
                                        const DesktopAccountPreferences& preferences) {
  const auto& agents = store.agents.get();
  const bool hasSpecialists =
      std::ranges::any_of(agents, [](const AgentProfile& agent) { return agent.id != "main"; });
  return {
      {"home.setup.tools", "point.3.connected.trianglepath.dotted", "Connected tools",
       "Give Ondi controlled access to the apps your work depends on.", store.connectedCount() > 0,
       HomeSetupDestination::connectors},
      {"home.setup.agents", "person.2", "Specialist agents",
       "Choose specialist agents and focused workspaces for recurring jobs.", hasSpecialists,
       HomeSetupDestination::agentPacks},
      {"home.setup.approvals", "checkmark.seal", "Approval controls",
       "Keep messages, spending, publishing, and account changes behind review.",
       preferences.requireApprovalForSpend && preferences.requireApprovalForCustomerMessages,
       HomeSetupDestination::settings},
  };
}

std::optional<RequestItem> continueRequest(const std::vector<RequestItem>& requests) {
  const auto waiting = std::ranges::find(requests, RequestStatus::waiting, &RequestItem::status);
  if (waiting != requests.end()) return *waiting;
  const auto open = std::ranges::find_if(
      requests, [](const RequestItem& item) { return item.status != RequestStatus::complete; });
  if (open != requests.end()) return *open;
  return std::nullopt;
}

std::string continuePrompt(const RequestItem& request) {
  return "Continue the open request titled \"" + request.title +
         "\". Current summary: " + request.summary;
}

}  // namespace ondi
