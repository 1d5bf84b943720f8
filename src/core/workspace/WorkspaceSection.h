#pragma once

#include "core/navigation/VelmoraRoute.h"

namespace ondi {

// The sections of the workspace's operations screens.
enum class WorkspaceSection {
  overview,
  agents,
  requests,
  approvals,
  connectors,
  browser,
  security,
  pricing,
};

// The section that follows a route: the chat routes show the overview, agent screens the
// agents, support the security section.
WorkspaceSection workspaceSection(const VelmoraRoute& route);

}  // namespace ondi
