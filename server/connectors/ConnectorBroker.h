#pragma once

#include <string>

#include "connectors/BrokerMode.h"
#include "connectors/ConnectionStore.h"

namespace ondi::server {

// The stand-in of the app broker (Composio): its mode, the accounts' connections, and the
// HTTPS origin its authorization pages are opened on.
struct ConnectorBroker {
  ConnectorBroker(BrokerMode mode, Database& database, const ServiceClock& clock)
      : mode(mode), connections(database, clock) {}

  const BrokerMode mode;
  ConnectionStore connections;
  // "https://HOST:PORT", set once the TLS port listens.
  std::string authorizationOrigin;
};

}  // namespace ondi::server
