#include "core/phone/AgentPhoneDisplay.h"

namespace ondi {

std::string AgentPhoneDisplay::lineStatus(const AgentPhoneLine& line) {
  return line.status == "active" ? "Active" : line.status;
}

std::string AgentPhoneDisplay::inboundDetail(const AgentPhoneLine& line) {
  if (!line.inboundEnabled) return "Calls to this number are not answered by the agent.";
  const std::size_t callers = line.allowedInboundCallers.size();
  if (callers == 0) return "Any caller reaches " + line.agentName + ".";
  return "Only " + std::to_string(callers) +
         (callers == 1 ? " approved caller reaches " : " approved callers reach ") +
         line.agentName + ".";
}

std::string AgentPhoneDisplay::outboundDetail(const AgentPhoneLine& line) {
  return line.outboundEnabled
             ? line.agentName + " places calls you confirm in Ondi, a few per hour."
             : "The agent places no calls from this number.";
}

std::string AgentPhoneDisplay::outboundConfirmation(const std::string& agentName,
                                                    const std::string& destination) {
  return agentName + " will call " + destination + ".";
}

}  // namespace ondi
