#include "routes/ConnectorRoutes.h"

#include <string>

#include "accounts/AccountServices.h"
#include "auth/SignedInAccount.h"
#include "connectors/ConnectorBroker.h"
#include "connectors/ConnectorCatalog.h"
#include "connectors/ConnectorPages.h"
#include "http/Router.h"

namespace ondi::server {
namespace {

using State = ConnectionStore::State;

constexpr std::string_view kSignIn = "Sign in to Ondi to manage connected accounts.";
constexpr std::string_view kNotConfigured = "Composio server setup is required.";
constexpr std::string_view kUnavailable = "Composio is temporarily unavailable.";
constexpr std::string_view kConnectorsPage = "/agent.html?source=mac_app&surface=connectors";

// One app as listed: its state, and the broker's own status text where it has one.
nlohmann::json listedApp(const ConnectorApp& app, BrokerMode mode,
                         const ConnectionStore::States& states) {
  nlohmann::json entry{{"slug", app.slug}, {"name", app.name}, {"category", app.category}};
  if (mode == BrokerMode::notConfigured) {
    entry["status"] = "setup_required";
  } else if (mode == BrokerMode::unavailable) {
    entry["status"] = "unavailable";
  } else if (const auto found = states.find(app.slug); found == states.end()) {
    entry["status"] = "not_connected";
  } else if (found->second == State::connected) {
    entry["status"] = "connected";
    entry["connectionStatus"] = "ACTIVE";
  } else {
    entry["status"] = "action_required";
    entry["connectionStatus"] = "INITIATED";
  }
  return entry;
}

Response listConnectors(AccountServices& services, ConnectorBroker& broker,
                        const Request& request) {
  const auto account = signedInAccount(services, request);
  if (!account) return Response::error(401, kSignIn);
  const auto states = broker.connections.states(account->id);
  nlohmann::json apps = nlohmann::json::array();
  int connected = 0;
  for (const ConnectorApp& app : connectorApps()) {
    apps.push_back(listedApp(app, broker.mode, states));
    if (apps.back()["status"] == "connected") ++connected;
  }
  return Response::json(200, {{"ok", true},
                              {"configured", broker.mode != BrokerMode::notConfigured},
                              {"available", broker.mode == BrokerMode::ready},
                              {"connectedCount", connected},
                              {"connectors", std::move(apps)}});
}

Response startAuthorization(AccountServices& services, ConnectorBroker& broker,
                            const Request& request) {
  const auto account = signedInAccount(services, request);
  if (!account) return Response::error(401, kSignIn);
  if (broker.mode == BrokerMode::notConfigured) return Response::error(503, kNotConfigured);
  if (broker.mode == BrokerMode::unavailable) return Response::error(503, kUnavailable);
  const std::string& slug = request.pathParameters.at("slug");
  if (findConnectorApp(slug) == nullptr) {
    return Response::error(404, "Ondi does not offer an app named \"" + slug + "\".");
  }
  const auto states = broker.connections.states(account->id);
  if (const auto found = states.find(slug);
      found != states.end() && found->second == State::connected) {
    return Response::json(200, {{"ok", true}, {"alreadyConnected", true}});
  }
  const std::string link = broker.connections.startAuthorization(account->id, slug);
  return Response::json(200, {{"ok", true},
                              {"alreadyConnected", false},
                              {"redirectUrl", broker.authorizationOrigin + "/connect/" + link}});
}

Response disconnect(AccountServices& services, ConnectorBroker& broker, const Request& request) {
  const auto account = signedInAccount(services, request);
  if (!account) return Response::error(401, kSignIn);
  broker.connections.disconnect(account->id, request.pathParameters.at("slug"));
  return Response::redirect(kConnectorsPage);
}

Response authorizationPageFor(ConnectorBroker& broker, const Request& request) {
  const std::string& linkId = request.pathParameters.at("link");
  const auto link = broker.connections.findLink(linkId);
  const ConnectorApp* app = link ? findConnectorApp(link->slug) : nullptr;
  if (app == nullptr) return Response::page(404, authorizationExpiredPage());
  return Response::page(200, authorizationPage(*app, linkId));
}

Response finishAuthorization(ConnectorBroker& broker, const Request& request) {
  const auto decision = request.formItems.find("decision");
  if (decision == request.formItems.end() ||
      (decision->second != "allow" && decision->second != "deny")) {
    return Response::error(400, "Choose Allow or Deny.");
  }
  const bool approved = decision->second == "allow";
  const auto link =
      broker.connections.finishAuthorization(request.pathParameters.at("link"), approved);
  const ConnectorApp* app = link ? findConnectorApp(link->slug) : nullptr;
  if (app == nullptr) return Response::page(404, authorizationExpiredPage());
  return Response::page(200, authorizationDonePage(*app, approved));
}

}  // namespace

void addConnectorRoutes(Router& router, AccountServices& services, ConnectorBroker& broker) {
  router.add("GET", "/api/connectors", [&services, &broker](const Request& request) {
    return listConnectors(services, broker, request);
  });
  router.add("POST", "/api/connectors/{slug}", [&services, &broker](const Request& request) {
    return startAuthorization(services, broker, request);
  });
  router.add(
      "POST", "/api/connectors/{slug}/disconnect",
      [&services, &broker](const Request& request) {
        return disconnect(services, broker, request);
      },
      BodyFormat::form);
  router.add("GET", "/connect/{link}",
             [&broker](const Request& request) { return authorizationPageFor(broker, request); });
  router.add(
      "POST", "/connect/{link}",
      [&broker](const Request& request) { return finishAuthorization(broker, request); },
      BodyFormat::form);
}

}  // namespace ondi::server
