#include "phone/PhoneJson.h"

#include <string>

#include "accounts/AgentRoster.h"
#include "agent/IsoTime.h"
#include "phone/PhoneNumber.h"

namespace ondi::server {

nlohmann::json phoneLineJson(const PhoneLineStore::Line& line, std::string_view serviceOrigin) {
  const AgentDefinition* agent = findAgent(line.routing.agentId);
  return {{"id", line.id},
          {"provider", "twilio"},
          {"label", line.routing.label},
          {"phoneNumber", line.phoneNumber},
          {"maskedPhoneNumber", maskedPhoneNumber(line.phoneNumber)},
          {"agentId", line.routing.agentId},
          {"agentName", agent != nullptr ? agent->name : ""},
          {"voice", agent != nullptr ? agent->voice : ""},
          {"inboundEnabled", line.routing.inboundEnabled},
          {"outboundEnabled", line.routing.outboundEnabled},
          {"allowedInboundCallers", line.routing.allowedInboundCallers},
          {"status", line.status},
          {"webhookUrl", std::string(serviceOrigin) + "/api/agent-phone/twilio/voice/" + line.id},
          {"connectedAt", isoTime(line.connectedAt)},
          {"lastSyncedAt", isoTime(line.lastSyncedAt)},
          {"syncError", line.syncError}};
}

nlohmann::json phoneCallJson(const PhoneCallLog::Call& call) {
  nlohmann::json json{{"id", call.id},
                      {"lineId", call.lineId},
                      {"direction", "outbound"},
                      {"remoteNumber", call.remoteNumber},
                      {"maskedRemoteNumber", maskedPhoneNumber(call.remoteNumber)},
                      {"status", call.status},
                      {"agentId", call.agentId},
                      {"agentName", call.agentName},
                      {"purpose", call.purpose},
                      {"startedAt", isoTime(call.startedAt)},
                      {"updatedAt", isoTime(call.updatedAt)}};
  if (call.completedAt) json["completedAt"] = isoTime(*call.completedAt);
  if (call.durationSeconds) json["durationSeconds"] = *call.durationSeconds;
  return json;
}

}  // namespace ondi::server
