#pragma once

namespace ondi {

// The sections of the workspace's operations screens, in their order.
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

}  // namespace ondi
