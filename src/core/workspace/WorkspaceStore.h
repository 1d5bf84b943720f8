#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/account/DesktopAPI.h"
#include "core/published/Published.h"
#include "core/util/Lifetime.h"
#include "core/util/ScopedConnections.h"
#include "core/workspace/OperationsRecords.h"
#include "core/workspace/WorkspaceSection.h"

namespace ondi {

class BrowserWorkspaceController;
class Logger;
class WorkspaceAPIClient;
struct NavigationState;

// The workspace's operational lists and the choices of its screens. The connected apps are its
// one live part: it lists them from the service, reports the broker's state in one sentence,
// and opens an app's authorization page in the in-app browser. The other lists are the
// built-in operations data. The selected section follows the route.
class WorkspaceStore {
 public:
  struct Dependencies {
    WorkspaceAPIClient& api;
    BrowserWorkspaceController& browser;
    const NavigationState& navigation;
    Logger& logger;
  };

  explicit WorkspaceStore(Dependencies dependencies);
  WorkspaceStore(const WorkspaceStore&) = delete;
  WorkspaceStore& operator=(const WorkspaceStore&) = delete;

  const std::vector<std::string> defaultSubagents{"Architect",   "Ads", "Developer",
                                                  "Integration", "SEO", "Testing"};
  const std::vector<std::string> modelProviders{"Auto", "5.6 SOL", "Fable 5", "Cursor Composer"};

  Published<WorkspaceSection> selectedSection{WorkspaceSection::overview};
  Published<std::string> searchText;
  Published<std::string> selectedSubagent{"Architect"};
  Published<std::string> selectedModelProvider{"Auto"};
  Published<std::vector<std::string>> customSubagents;
  Published<std::vector<AgentProfile>> agents;
  Published<std::vector<RequestItem>> requests;
  Published<std::vector<ApprovalItem>> approvals;
  Published<std::vector<ConnectorItem>> connectors;
  Published<std::string> connectorServiceDetail{"Checking Composio…"};
  Published<bool> isRefreshingConnectors{false};
  Published<std::optional<std::string>> pendingConnectorID;
  Published<std::vector<ActivityItem>> activity;
  Published<std::vector<PricingPlan>> plans;

  // Approvals that wait for review.
  std::size_t pendingApprovalCount() const;
  // Requests not yet complete.
  std::size_t activeRequestCount() const;
  // Agents at work: active or drafting.
  std::size_t draftingCount() const;
  std::size_t connectedCount() const;

  // Lists the account's apps from the service; ignored while a refresh runs.
  void refreshConnectors();
  // Opens the authorization page of an app that is not connected yet, or the service's
  // connectors page for one that is; ignored while another authorization is starting.
  void beginConnectorAuthorization(const ConnectorItem& connector);
  // Opens the service's connectors page, where connected accounts are managed, in a tab.
  void openConnectorsPage();

 private:
  void finishRefresh(const DesktopAPIResult& result);
  void finishAuthorization(const ConnectorItem& connector, const DesktopAPIResult& result);

  Dependencies deps_;
  Lifetime lifetime_;
  ScopedConnections connections_;
};

}  // namespace ondi
