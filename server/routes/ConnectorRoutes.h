#pragma once

namespace ondi::server {

class Router;
struct AccountServices;
struct ConnectorBroker;

// The connected apps: "GET /api/connectors" lists the account's apps and the broker's state,
// "POST /api/connectors/{slug}" starts an app's authorization and answers the broker's
// authorization address, "POST /api/connectors/{slug}/disconnect" (the connectors page's form)
// forgets a connection. The broker's own authorization page is "/connect/{link}".
void addConnectorRoutes(Router& router, AccountServices& services, ConnectorBroker& broker);

}  // namespace ondi::server
