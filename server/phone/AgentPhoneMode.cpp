#include "phone/AgentPhoneMode.h"

namespace ondi::server {

std::optional<AgentPhoneMode> agentPhoneMode(std::string_view name) {
  if (name == "ready") return AgentPhoneMode::ready;
  if (name == "setup-required") return AgentPhoneMode::setupRequired;
  if (name == "not-found") return AgentPhoneMode::notFound;
  return std::nullopt;
}

}  // namespace ondi::server
