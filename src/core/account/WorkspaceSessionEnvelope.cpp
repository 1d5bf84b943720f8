#include "core/account/WorkspaceSessionEnvelope.h"

#include "core/util/Json.h"

namespace ondi {

void from_json(const nlohmann::json& json, WorkspaceSessionEnvelope::User& user) {
  user.id = optionalField<std::string>(json, "id");
  user.name = optionalField<std::string>(json, "name");
  user.email = optionalField<std::string>(json, "email");
  user.authProvider = optionalField<std::string>(json, "authProvider");
  user.guest = optionalField<bool>(json, "guest");
  user.desktopPreferences = optionalField<DesktopAccountPreferences>(json, "desktopPreferences");
}

void from_json(const nlohmann::json& json, WorkspaceSessionEnvelope& envelope) {
  json.at("authenticated").get_to(envelope.authenticated);
  envelope.guest = optionalField<bool>(json, "guest");
  envelope.user = optionalField<WorkspaceSessionEnvelope::User>(json, "user");
  envelope.authProviders = optionalField<DesktopAuthProviders>(json, "authProviders");
  envelope.agentInstructions =
      optionalField<std::vector<AgentInstructionProfile>>(json, "agentInstructions");
  envelope.conversationHistory =
      optionalField<ConversationHistoryStatus>(json, "conversationHistory");
}

}  // namespace ondi
