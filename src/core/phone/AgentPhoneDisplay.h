#pragma once

#include <string>

#include "core/phone/AgentPhoneRecords.h"

namespace ondi {

// The phone screens' words for the service's records.
struct AgentPhoneDisplay {
  // "Active" for an active line; any other status as the service names it.
  static std::string lineStatus(const AgentPhoneLine& line);
  // What each direction of the line does, as one sentence.
  static std::string inboundDetail(const AgentPhoneLine& line);
  static std::string outboundDetail(const AgentPhoneLine& line);
  // "TELVORIX will call +14155550123."
  static std::string outboundConfirmation(const std::string& agentName,
                                          const std::string& destination);
};

}  // namespace ondi
