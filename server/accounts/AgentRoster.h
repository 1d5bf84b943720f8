#pragma once

#include <span>
#include <string_view>

namespace ondi::server {

// One agent of the team that takes part in voice huddles, with the standing instructions it
// follows until the account changes them.
struct AgentDefinition {
  std::string_view id;
  std::string_view name;
  std::string_view voice;
  std::string_view role;
  std::span<const std::string_view> defaultInstructions;
};

// The seven agents in the order the desktop shows them.
std::span<const AgentDefinition> agentRoster();

// The agent with that id, or null.
const AgentDefinition* findAgent(std::string_view id);

}  // namespace ondi::server
