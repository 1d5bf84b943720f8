#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/navigation/VelmoraRoute.h"

namespace ondi {

inline constexpr const char* kPendingApprovalsPrompt =
    "Show the actual items currently waiting for my approval, with their evidence. Do not approve "
    "or execute anything.";
inline constexpr const char* kRecurringWorkPrompt =
    "List my configured recurring tasks and monitors with their current status. Do not create or "
    "change any schedules.";

// One row of the unified layout's tools panel: it loads a route, or puts a prompt in front of
// the main agent.
struct WorkspaceTool {
  std::string identifier;
  std::string title;
  std::string detail;
  std::string symbol;
  std::optional<VelmoraRoute> route;
  std::string prompt;  // set exactly when there is no route
};

// The panel's rows, in order.
const std::vector<WorkspaceTool>& workspaceTools();

}  // namespace ondi
