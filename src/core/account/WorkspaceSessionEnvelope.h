#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

#include "core/account/AgentInstructionProfile.h"
#include "core/account/AuthRecords.h"
#include "core/account/ConversationThreads.h"
#include "core/account/DesktopAccountPreferences.h"

namespace ondi {

// The answer of "/api/auth/session"; only `authenticated` is required.
struct WorkspaceSessionEnvelope {
  struct User {
    std::optional<std::string> id;
    std::optional<std::string> name;
    std::optional<std::string> email;
    std::optional<std::string> authProvider;
    std::optional<bool> guest;
    std::optional<DesktopAccountPreferences> desktopPreferences;
  };

  bool authenticated = false;
  std::optional<bool> guest;
  std::optional<User> user;
  std::optional<DesktopAuthProviders> authProviders;
  std::optional<std::vector<AgentInstructionProfile>> agentInstructions;
  std::optional<ConversationHistoryStatus> conversationHistory;
};

void from_json(const nlohmann::json& json, WorkspaceSessionEnvelope::User& user);
void from_json(const nlohmann::json& json, WorkspaceSessionEnvelope& envelope);

}  // namespace ondi
