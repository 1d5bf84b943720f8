#pragma once

#include <expected>
#include <functional>
#include <optional>
#include <string>

#include <sigc++/signal.h>

#include "core/account/DesktopAPI.h"
#include "core/phone/AgentPhoneRecords.h"
#include "core/published/Published.h"
#include "core/util/Lifetime.h"
#include "core/util/ScopedConnections.h"

namespace ondi {

class Logger;
class WorkspaceAPIClient;
struct AccountState;

// The account's agent phone: loads the line, its calls and the agents that may answer it, and
// connects, re-routes and disconnects a Twilio number and places outbound calls through the
// service. Every answer and every failure is published for the phone screens. It loads the
// phone after each session check that confirms an account, and forgets it with the account.
class AgentPhoneController {
 public:
  using Completion = std::function<void(std::expected<void, DesktopAPIRequestError>)>;

  struct Dependencies {
    WorkspaceAPIClient& api;
    AccountState& account;
    // Emitted after every answer to a session check.
    sigc::signal<void()>& sessionChecked;
    Logger& logger;
  };

  explicit AgentPhoneController(Dependencies dependencies);
  AgentPhoneController(const AgentPhoneController&) = delete;
  AgentPhoneController& operator=(const AgentPhoneController&) = delete;

  Published<AgentPhoneState> agentPhoneState{AgentPhoneState::unavailable()};
  // The last failure as a sentence; empty when none.
  Published<std::string> agentPhoneError;
  Published<bool> isAgentPhoneActionInFlight{false};

  const AccountState& account() const { return deps_.account; }
  bool isSignedIn() const;

  // Loads the phone state; does nothing while signed out or while a refresh is under way.
  void refreshAgentPhone();
  // Each completes on the main loop once the published fields show the outcome. All but
  // disconnecting fail at once, sending nothing, while no account is signed in.
  void connectAgentPhone(const AgentPhoneLinkRequest& request, Completion completion);
  void updateAgentPhoneRouting(const AgentPhoneRoutingRequest& request, Completion completion);
  void disconnectAgentPhone(Completion completion);
  void placeAgentPhoneCall(const AgentPhoneOutboundRequest& request, Completion completion);

  // Merges an answer into the state: only an answer that describes the whole phone (it carries
  // the configuration or the agents) may remove the line.
  void applyAgentPhoneEnvelope(const AgentPhoneEnvelope& envelope);
  // The sentence shown for a failure.
  static std::string displayAgentPhoneError(const DesktopAPIRequestError& error);

 private:
  using Result = std::expected<AgentPhoneEnvelope, DesktopAPIRequestError>;

  void performAgentPhoneRequest(const std::string& path, const std::string& method,
                                std::optional<std::string> body,
                                std::function<void(Result)> completion);
  void mutateAgentPhone(const std::string& path, const std::string& method,
                        const nlohmann::json& payload, Completion completion);
  void sendMutation(const std::string& path, const std::string& method, std::string body,
                    Completion completion);
  void finishAgentPhoneMutation(const Result& result, const Completion& completion);
  // Back to the state before the first answer; answers to requests sent before are ignored.
  void forget();

  Dependencies deps_;
  // Advanced when the phone is forgotten, so answers of the account before change nothing.
  unsigned generation_ = 0;
  Lifetime lifetime_;
  ScopedConnections connections_;
};

}  // namespace ondi
