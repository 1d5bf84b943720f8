#include "core/account/AgentInstructionsController.h"

#include <algorithm>

#include "core/account/WorkspaceAPIClient.h"
#include "core/util/Json.h"
#include "core/util/Text.h"

namespace ondi {
namespace {

// The answer of the preferences endpoint.
struct AccountPreferencesEnvelope {
  bool ok = false;
  std::optional<std::vector<AgentInstructionProfile>> agentInstructions;
  std::optional<std::string> error;
};

void from_json(const nlohmann::json& json, AccountPreferencesEnvelope& envelope) {
  json.at("ok").get_to(envelope.ok);
  envelope.agentInstructions =
      optionalField<std::vector<AgentInstructionProfile>>(json, "agentInstructions");
  envelope.error = optionalField<std::string>(json, "error");
}

constexpr const char* kSyncPrefix = "Agent instructions could not be synced. ";

}  // namespace

void AgentInstructionsController::updateAgentInstructions(
    const std::string& agentID, const std::vector<std::string>& instructions,
    Completion completion) {
  using Error = DesktopAPIRequestError;
  if (!state_.workspaceSessionState.get().isAuthenticated()) {
    return completion(std::unexpected(Error::server("Sign in to save agent instructions.")));
  }
  std::vector<std::string> cleaned;
  for (const std::string& instruction : instructions) {
    if (std::string text = trimmedWhitespace(instruction); !text.empty()) cleaned.push_back(text);
  }
  if (cleaned.empty()) {
    return completion(
        std::unexpected(Error::server("Add at least one instruction before saving.")));
  }
  nlohmann::json entries = nlohmann::json::array();
  for (const AgentInstructionProfile& profile : state_.agentInstructionProfiles.get()) {
    entries.push_back({{"id", profile.id},
                       {"instructions", profile.id == agentID ? cleaned : profile.instructions}});
  }
  const nlohmann::json body = {{"agentInstructions", entries}};
  api_.performAuthenticatedAPIRequest(
      "/api/account/preferences", "PUT", encodeJSON(body), {},
      whileAlive(lifetime_, [this, agentID, completion](DesktopAPIResult result) {
        if (!result) {
          state_.accountActionError.set(kSyncPrefix + result.error().description());
          return completion(std::unexpected(result.error()));
        }
        const auto envelope = decodeJSON<AccountPreferencesEnvelope>(result->data);
        if (envelope && result->statusCode >= 200 && result->statusCode < 300 && envelope->ok &&
            envelope->agentInstructions) {
          const auto& profiles = *envelope->agentInstructions;
          const auto saved = std::ranges::find_if(
              profiles, [&](const AgentInstructionProfile& p) { return p.id == agentID; });
          if (saved != profiles.end()) {
            const AgentInstructionProfile profile = *saved;
            state_.agentInstructionProfiles.set(profiles);
            state_.accountActionError.set("");
            return completion(profile);
          }
        }
        const std::string message = envelope && envelope->error
                                        ? *envelope->error
                                        : "Agent instructions could not be saved.";
        state_.accountActionError.set(kSyncPrefix + message);
        completion(std::unexpected(Error::server(message)));
      }));
}

}  // namespace ondi
