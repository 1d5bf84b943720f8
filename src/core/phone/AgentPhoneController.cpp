#include "core/phone/AgentPhoneController.h"

#include "core/account/AccountState.h"
#include "core/account/WorkspaceAPIClient.h"
#include "core/ports/Logger.h"
#include "core/util/Json.h"
#include "core/util/Text.h"

namespace ondi {
namespace {

constexpr const char* kPhonePath = "/api/account/phone";
constexpr const char* kCallsPath = "/api/account/phone/calls";

constexpr const char* kSignInSentence = "Sign in to manage an agent phone number.";
constexpr const char* kGenericSentence = "Agent phone service could not complete the request.";
constexpr const char* kUnreadableSentence =
    "The agent phone service sent an answer that could not be read.";
constexpr const char* kBackendUpdateSentence =
    "Phone setup needs the matching Ondi backend update in this environment.";

}  // namespace

AgentPhoneController::AgentPhoneController(Dependencies dependencies) : deps_(dependencies) {
  connections_.add(deps_.sessionChecked.connect([this] {
    if (isSignedIn()) refreshAgentPhone();
  }));
  connections_.add(deps_.account.accountBoundDataCleared.connect([this] { forget(); }));
}

bool AgentPhoneController::isSignedIn() const {
  return deps_.account.workspaceSessionState.get().isAuthenticated();
}

void AgentPhoneController::refreshAgentPhone() {
  if (!isSignedIn() || isAgentPhoneActionInFlight.get()) return;
  isAgentPhoneActionInFlight.set(true);
  performAgentPhoneRequest(kPhonePath, "GET", std::nullopt,
                           [this, generation = generation_](const Result& result) {
                             if (generation != generation_) return;
                             isAgentPhoneActionInFlight.set(false);
                             if (!result) {
                               agentPhoneError.set(displayAgentPhoneError(result.error()));
                               return;
                             }
                             applyAgentPhoneEnvelope(*result);
                             agentPhoneError.set("");
                           });
}

void AgentPhoneController::connectAgentPhone(const AgentPhoneLinkRequest& request,
                                             Completion completion) {
  deps_.logger.info("phone", "Connecting an agent phone number");
  mutateAgentPhone(kPhonePath, "POST", request, std::move(completion));
}

void AgentPhoneController::updateAgentPhoneRouting(const AgentPhoneRoutingRequest& request,
                                                   Completion completion) {
  deps_.logger.info("phone", "Updating agent phone routing");
  mutateAgentPhone(kPhonePath, "PUT", request, std::move(completion));
}

void AgentPhoneController::placeAgentPhoneCall(const AgentPhoneOutboundRequest& request,
                                               Completion completion) {
  deps_.logger.info("phone", "Placing an outbound agent phone call");
  mutateAgentPhone(kCallsPath, "POST", request, std::move(completion));
}

// Disconnecting is allowed whatever the session says: the service decides, and a stale line
// can always be let go.
void AgentPhoneController::disconnectAgentPhone(Completion completion) {
  deps_.logger.info("phone", "Disconnecting the agent phone number");
  sendMutation(kPhonePath, "DELETE", encodeJSON(nlohmann::json::object()), std::move(completion));
}

void AgentPhoneController::mutateAgentPhone(const std::string& path, const std::string& method,
                                            const nlohmann::json& payload, Completion completion) {
  if (!isSignedIn()) {
    return completion(std::unexpected(DesktopAPIRequestError::server(kSignInSentence)));
  }
  sendMutation(path, method, encodeJSON(payload), std::move(completion));
}

void AgentPhoneController::sendMutation(const std::string& path, const std::string& method,
                                        std::string body, Completion completion) {
  isAgentPhoneActionInFlight.set(true);
  agentPhoneError.set("");
  performAgentPhoneRequest(
      path, method, std::move(body),
      [this, generation = generation_, completion = std::move(completion)](const Result& result) {
        // An answer for an account that has gone still tells its caller how it ended.
        if (generation != generation_) {
          if (!result) return completion(std::unexpected(result.error()));
          return completion({});
        }
        finishAgentPhoneMutation(result, completion);
      });
}

void AgentPhoneController::finishAgentPhoneMutation(const Result& result,
                                                    const Completion& completion) {
  isAgentPhoneActionInFlight.set(false);
  if (!result) {
    agentPhoneError.set(displayAgentPhoneError(result.error()));
    deps_.logger.info("phone", "Agent phone request failed: " + agentPhoneError.get());
    return completion(std::unexpected(result.error()));
  }
  applyAgentPhoneEnvelope(*result);
  agentPhoneError.set("");
  completion({});
}

void AgentPhoneController::performAgentPhoneRequest(const std::string& path,
                                                    const std::string& method,
                                                    std::optional<std::string> body,
                                                    std::function<void(Result)> completion) {
  deps_.api.performAuthenticatedAPIRequest(
      path, method, body, {},
      whileAlive(lifetime_, [completion = std::move(completion)](const DesktopAPIResult& result) {
        if (!result) return completion(std::unexpected(result.error()));
        // The body is read whatever the status: failures carry their sentence in it.
        auto envelope = decodeJSON<AgentPhoneEnvelope>(result->data);
        if (!envelope) {
          return completion(std::unexpected(DesktopAPIRequestError::server(kUnreadableSentence)));
        }
        if (result->statusCode >= 200 && result->statusCode <= 299 && envelope->ok) {
          return completion(*std::move(envelope));
        }
        completion(std::unexpected(
            DesktopAPIRequestError::server(envelope->error.value_or(kGenericSentence))));
      }));
}

void AgentPhoneController::applyAgentPhoneEnvelope(const AgentPhoneEnvelope& envelope) {
  const AgentPhoneState& current = agentPhoneState.get();
  const bool describesWholePhone = envelope.configuration || envelope.agents;
  agentPhoneState.set(
      {envelope.configuration.value_or(current.configuration),
       describesWholePhone ? envelope.line : current.line, envelope.calls.value_or(current.calls),
       envelope.agents.value_or(current.agents), envelope.warning.value_or(""), true});
}

std::string AgentPhoneController::displayAgentPhoneError(const DesktopAPIRequestError& error) {
  const std::string text = trimmedWhitespace(error.description());
  return equalsIgnoringASCIICase(text, "Not found") ? kBackendUpdateSentence : text;
}

void AgentPhoneController::forget() {
  ++generation_;
  agentPhoneState.set(AgentPhoneState::unavailable());
  agentPhoneError.set("");
  isAgentPhoneActionInFlight.set(false);
}

}  // namespace ondi
