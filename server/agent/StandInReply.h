#pragma once

#include <optional>
#include <string>

#include "agent/AgentPrompt.h"

namespace ondi::server {

// The stand-in agent's answer in Markdown. It quotes what the user typed; for a purchase request
// it gives the purchase decision, otherwise it says plainly that nothing was carried out and what
// the hosted agent would do. It lists the model mode, whether a workspace context came along, the
// agent the workspace selected and the managed browser run. The same prompt always gets the same
// answer.
std::string standInReply(const AgentPrompt& prompt, const std::optional<std::string>& monitoredRun,
                         const std::optional<std::string>& purchaseDecision);

}  // namespace ondi::server
