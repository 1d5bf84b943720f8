#pragma once

#include <string>

#include "messaging/MessagingRouteStore.h"

namespace ondi::server {

// Private messaging routes to the agent over the shared iMessage relay: the relay's address (empty
// when this server has none), each account's route, and the origin its connect pages are served
// on. Lives as long as the server serves.
struct MessagingServices {
  MessagingServices(std::string relayAddress, Database& database, const ServiceClock& clock)
      : relayAddress(std::move(relayAddress)), routes(database, clock) {}

  const std::string relayAddress;
  MessagingRouteStore routes;
  // "http://HOST:PORT"; set once the server listens.
  std::string serviceOrigin;
};

}  // namespace ondi::server
