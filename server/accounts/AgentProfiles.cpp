#include "accounts/AgentProfiles.h"

namespace ondi::server {

std::vector<std::string> defaultInstructions(const AgentDefinition& agent) {
  return {agent.defaultInstructions.begin(), agent.defaultInstructions.end()};
}

nlohmann::json agentProfilesJson(
    const std::map<std::string, std::vector<std::string>, std::less<>>& stored) {
  nlohmann::json profiles = nlohmann::json::array();
  for (const AgentDefinition& agent : agentRoster()) {
    const std::vector<std::string> defaults = defaultInstructions(agent);
    const auto own = stored.find(agent.id);
    const bool customized = own != stored.end() && own->second != defaults;
    profiles.push_back({
        {"id", agent.id},
        {"name", agent.name},
        {"voice", agent.voice},
        {"role", agent.role},
        {"instructions", customized ? own->second : defaults},
        {"defaultInstructions", defaults},
        {"customized", customized},
    });
  }
  return profiles;
}

}  // namespace ondi::server
