#pragma once

#include <expected>
#include <functional>
#include <string>
#include <vector>

#include "core/account/AccountState.h"
#include "core/account/DesktopAPI.h"
#include "core/util/Lifetime.h"

namespace ondi {

class WorkspaceAPIClient;

// Saves one agent's standing instructions with the account.
class AgentInstructionsController {
 public:
  using Completion =
      std::function<void(std::expected<AgentInstructionProfile, DesktopAPIRequestError>)>;

  AgentInstructionsController(AccountState& state, WorkspaceAPIClient& api)
      : state_(state), api_(api) {}

  AccountState& state() { return state_; }

  void updateAgentInstructions(const std::string& agentID,
                               const std::vector<std::string>& instructions, Completion completion);

 private:
  AccountState& state_;
  WorkspaceAPIClient& api_;
  Lifetime lifetime_;
};

}  // namespace ondi
