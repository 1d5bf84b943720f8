#pragma once

#include <optional>
#include <string>

#include "core/account/WorkspaceSessionState.h"
#include "core/monitor/ConnectionState.h"
#include "core/monitor/DaytonaRunSummary.h"

namespace ondi {

// The words of the monitor screen. While no guest demo runs, the account's own state comes
// first: rounds wait for it, so the screen says why.

// The demo's four stops, else the run's objective, else "Live browser".
std::string monitorRunTitle(bool isDemo, const std::optional<DaytonaRunSummary>& run);
// The demo's label, else the remote page's title, else "Ondi secure browser".
std::string monitorPageLabel(bool isDemo, const std::optional<DaytonaRunSummary>& run);
std::string monitorEmptyStateText(const ConnectionState& state,
                                  const WorkspaceSessionState& session, bool isDemo);
std::string monitorStatusBadge(const ConnectionState& state, const WorkspaceSessionState& session,
                               bool isDemo, bool isControlOpen);

}  // namespace ondi
