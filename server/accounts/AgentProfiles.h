#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "accounts/AgentRoster.h"

namespace ondi::server {

// The agent's defaults as the list of texts they are stored and compared as.
std::vector<std::string> defaultInstructions(const AgentDefinition& agent);

// One profile per agent of the roster, in roster order: {"id", "name", "voice", "role",
// "instructions", "defaultInstructions", "customized"}. An agent the account has written
// instructions for follows those; every other agent follows its defaults.
nlohmann::json agentProfilesJson(
    const std::map<std::string, std::vector<std::string>, std::less<>>& stored);

}  // namespace ondi::server
