#include "core/workspace/WorkspaceStore.h"

#include <algorithm>

#include "core/account/WorkspaceAPIClient.h"
#include "core/browser/BrowserWorkspaceController.h"
#include "core/navigation/NavigationState.h"
#include "core/ports/Logger.h"
#include "core/util/Json.h"
#include "core/util/Url.h"
#include "core/workspace/ConnectorEnvelopes.h"
#include "core/workspace/ConnectorMapping.h"
#include "core/workspace/SampleData.h"

namespace ondi {
namespace {

constexpr const char* kConnectorsPath = "/api/connectors";
constexpr const char* kConnectorsPage = "/agent.html?source=mac_app&surface=connectors";

bool isSuccess(int statusCode) {
  return statusCode >= 200 && statusCode < 300;
}

// The sentence for the broker's state once the service has listed the apps.
std::string brokerDetail(const DesktopConnectorEnvelope& envelope) {
  if (!envelope.configured) return envelope.reason.value_or("Composio server setup is required.");
  if (!envelope.available) return envelope.reason.value_or("Composio is temporarily unavailable.");
  return std::to_string(envelope.connectedCount) + " of " +
         std::to_string(envelope.connectors.size()) + " accounts connected.";
}

}  // namespace

WorkspaceStore::WorkspaceStore(Dependencies dependencies)
    : agents(SampleData::agents()),
      requests(SampleData::requests()),
      approvals(SampleData::approvals()),
      connectors(SampleData::connectors()),
      activity(SampleData::activity()),
      plans(SampleData::plans()),
      deps_(dependencies) {
  selectedSection.set(workspaceSection(deps_.navigation.activeRoute.get()));
  connections_.add(deps_.navigation.activeRoute.changed().connect(
      [this](const VelmoraRoute& route) { selectedSection.set(workspaceSection(route)); }));
}

std::size_t WorkspaceStore::pendingApprovalCount() const {
  return std::ranges::count(approvals.get(), ApprovalState::waiting, &ApprovalItem::state);
}

std::size_t WorkspaceStore::activeRequestCount() const {
  return std::ranges::count_if(requests.get(), [](const RequestItem& request) {
    return request.status != RequestStatus::complete;
  });
}

std::size_t WorkspaceStore::draftingCount() const {
  return std::ranges::count_if(agents.get(), [](const AgentProfile& agent) {
    return agent.load == AgentLoad::active || agent.load == AgentLoad::drafting;
  });
}

std::size_t WorkspaceStore::connectedCount() const {
  return std::ranges::count(connectors.get(), true, &ConnectorItem::isConnected);
}

void WorkspaceStore::refreshConnectors() {
  if (isRefreshingConnectors.get()) return;
  isRefreshingConnectors.set(true);
  connectorServiceDetail.set("Checking Composio…");
  deps_.api.performAuthenticatedAPIRequest(
      kConnectorsPath, "GET", std::nullopt, {},
      whileAlive(lifetime_, [this](DesktopAPIResult result) { finishRefresh(result); }));
}

void WorkspaceStore::finishRefresh(const DesktopAPIResult& result) {
  isRefreshingConnectors.set(false);
  if (!result) return connectorServiceDetail.set(result.error().description());
  if (result->statusCode == 401) {
    return connectorServiceDetail.set("Sign in to Ondi to manage connected accounts.");
  }
  if (!isSuccess(result->statusCode)) {
    return connectorServiceDetail.set("Connected apps returned HTTP " +
                                      std::to_string(result->statusCode) + ".");
  }
  const auto envelope = decodeJSON<DesktopConnectorEnvelope>(result->data);
  if (!envelope) return connectorServiceDetail.set("Ondi returned an invalid connector response.");
  if (!envelope->ok) {
    return connectorServiceDetail.set(
        envelope->error.value_or("Connected apps could not be refreshed."));
  }
  std::vector<ConnectorItem> items;
  std::ranges::transform(envelope->connectors, std::back_inserter(items), connectorItem);
  connectors.set(std::move(items));
  connectorServiceDetail.set(brokerDetail(*envelope));
}

void WorkspaceStore::beginConnectorAuthorization(const ConnectorItem& connector) {
  if (connector.isConnected) return openConnectorsPage();
  if (pendingConnectorID.get()) return;
  pendingConnectorID.set(connector.id);
  connectorServiceDetail.set("Opening " + connector.name + " authorization…");
  deps_.api.performAuthenticatedAPIRequest(
      std::string(kConnectorsPath) + "/" + connector.id, "POST", "{}", {},
      whileAlive(lifetime_, [this, connector](DesktopAPIResult result) {
        finishAuthorization(connector, result);
      }));
}

void WorkspaceStore::finishAuthorization(const ConnectorItem& connector,
                                         const DesktopAPIResult& result) {
  pendingConnectorID.set(std::nullopt);
  if (!result) return connectorServiceDetail.set(result.error().description());
  const auto envelope = decodeJSON<DesktopConnectorActionEnvelope>(result->data);
  if (!envelope || !envelope->ok || !isSuccess(result->statusCode)) {
    return connectorServiceDetail.set(
        envelope && envelope->error ? *envelope->error
                                    : "Could not start " + connector.name + " authorization.");
  }
  if (envelope->alreadyConnected.value_or(false)) return refreshConnectors();
  if (!envelope->redirectUrl || !isOpenableAuthorizationURL(*envelope->redirectUrl)) {
    return connectorServiceDetail.set("Composio returned an invalid authorization URL.");
  }
  connectorServiceDetail.set("Finish " + connector.name + " authorization in the opened tab.");
  deps_.logger.info("connectors", "Opening authorization of " + connector.id);
  deps_.browser.openInAppBrowserTab(*envelope->redirectUrl, "Connect " + connector.name);
}

// Accounts already connected are managed on the service's connectors page, on the origin that
// API requests go to now.
void WorkspaceStore::openConnectorsPage() {
  const auto base = Url::parse(deps_.api.managedBrowserBaseURL());
  const auto page = base ? base->resolve(kConnectorsPage) : std::nullopt;
  if (!page) return;
  deps_.browser.openInAppBrowserTab(page->string(), "Connectors");
}

}  // namespace ondi
