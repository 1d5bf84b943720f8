#pragma once

#include <span>
#include <string_view>

namespace ondi::server {

// An app the stand-in broker offers, under the broker's slug.
struct ConnectorApp {
  std::string_view slug;
  std::string_view name;
  std::string_view category;
};

// The 32 apps in the order the service lists them.
std::span<const ConnectorApp> connectorApps();
// The app of that slug, if the broker offers it.
const ConnectorApp* findConnectorApp(std::string_view slug);

}  // namespace ondi::server
