#pragma once

#include <optional>
#include <string>

#include "agent/AgentPrompt.h"

namespace ondi::server {

// The stand-in agent's answer in Markdown. It says plainly that nothing was carried out, quotes
// what the user typed, says what the hosted agent would do, and lists the model mode, whether a
// workspace context came along, the agent the workspace selected and the managed browser run.
// The same prompt always gets the same answer.
std::string standInReply(const AgentPrompt& prompt, const std::optional<std::string>& monitoredRun);

}  // namespace ondi::server
