#pragma once

#include <optional>
#include <string_view>

namespace ondi::server {

// How the stand-in voice bridge behind the agent phone answers: configured, reachable but missing
// its settings, or not offered by this server at all (every phone route answers 404).
enum class AgentPhoneMode { ready, setupRequired, notFound };

// "ready", "setup-required" or "not-found".
std::optional<AgentPhoneMode> agentPhoneMode(std::string_view name);

}  // namespace ondi::server
