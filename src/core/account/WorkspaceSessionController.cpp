#include "core/account/WorkspaceSessionController.h"

#include "core/account/DesktopPreferencesController.h"
#include "core/account/WorkspaceAPIClient.h"
#include "core/account/WorkspaceSessionEnvelope.h"
#include "core/util/Json.h"
#include "core/util/Text.h"

namespace ondi {

WorkspaceSessionController::WorkspaceSessionController(AccountState& state, WorkspaceAPIClient& api,
                                                       DesktopPreferencesController& preferences)
    : state_(state), api_(api), preferences_(preferences) {}

std::string WorkspaceSessionController::shortSessionError(const std::string& description) {
  const std::string trimmed = trimmedWhitespace(description);
  if (trimmed.empty()) return "Account status is unavailable.";
  return shortenedWithEllipsis(trimmed, 121);
}

void WorkspaceSessionController::refresh() {
  if (state_.isWorkspaceSessionRefreshInFlight) return;
  const std::string previousUserID = state_.signedInUserID();
  state_.isWorkspaceSessionRefreshInFlight = true;
  if (previousUserID.empty()) state_.workspaceSessionState.set(WorkspaceSessionState::checking());
  api_.performAuthenticatedAPIRequest(
      "/api/auth/session", "GET", std::nullopt, {},
      whileAlive(lifetime_, [this, previousUserID](DesktopAPIResult result) {
        handle(result, previousUserID);
      }));
}

void WorkspaceSessionController::handle(const DesktopAPIResult& result,
                                        const std::string& previousUserID) {
  state_.isWorkspaceSessionRefreshInFlight = false;
  apply(result, previousUserID);
  checked.emit();
}

void WorkspaceSessionController::apply(const DesktopAPIResult& result,
                                       const std::string& previousUserID) {
  std::optional<WorkspaceSessionEnvelope> envelope;
  if (result && result->statusCode >= 200 && result->statusCode < 300) {
    envelope = decodeJSON<WorkspaceSessionEnvelope>(result->data);
  }
  if (!envelope) {
    const std::string description = result ? DesktopAPIRequestError::invalidResponse().description()
                                           : result.error().description();
    state_.workspaceSessionState.set(
        WorkspaceSessionState::unavailable(shortSessionError(description)));
    state_.clearAccountBoundData();
    return;
  }
  if (envelope->authProviders) state_.authProviders.set(*envelope->authProviders);

  const auto& user = envelope->user;
  const std::string id = user && user->id ? trimmedWhitespace(*user->id) : std::string();
  const bool confirmed = envelope->authenticated && envelope->guest != true && user &&
                         user->guest != true && !id.empty();
  if (!confirmed) {
    state_.workspaceSessionState.set(WorkspaceSessionState::signedOut());
    preferences_.applyLocalDefaults();
    state_.clearAccountBoundData();
    return;
  }
  state_.workspaceSessionState.set(
      WorkspaceSessionState::authenticated({id, user->name.value_or(""), user->email.value_or(""),
                                            user->authProvider.value_or("email")}));
  preferences_.adoptFromSession(user->desktopPreferences, previousUserID, id);
  state_.agentInstructionProfiles.set(
      envelope->agentInstructions.value_or(std::vector<AgentInstructionProfile>{}));
  state_.conversationHistoryStatus.set(
      envelope->conversationHistory.value_or(ConversationHistoryStatus{}));
}

}  // namespace ondi
