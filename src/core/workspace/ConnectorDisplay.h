#pragma once

#include <string>

#include "core/workspace/OperationsRecords.h"

namespace ondi {

// Who a connector works for: the connectors screen's scope tabs.
enum class ConnectorScope { all, velmora, workspace, personal };
// Which connection state the connectors screen lists.
enum class ConnectorFilter { all, connected, available };

// The tab and menu titles: "By Ondi", "Business", "Personal"; "All connectors", "Connected",
// "Available". The `all` scope reads "All".
std::string displayTitle(ConnectorScope scope);
std::string displayTitle(ConnectorFilter filter);

// How the connectors screen presents a connector: what it is used for, the section it is
// listed under, its scope, and whether the featured rail offers it.
struct ConnectorDisplayMetadata {
  std::string description;
  std::string section;
  ConnectorScope scope = ConnectorScope::workspace;
  bool isFeatured = false;
  bool operator==(const ConnectorDisplayMetadata&) const = default;
};

// The presentation of the screen's own ids, compared exactly; any other connector is described
// and sectioned by its category, in the business scope, not featured.
ConnectorDisplayMetadata connectorDisplayMetadata(const ConnectorItem& connector);

}  // namespace ondi
