#include "core/phone/AgentPhoneRecords.h"

#include "core/util/InternetDateTime.h"
#include "core/util/Json.h"

namespace ondi {

const AgentPhoneConfiguration& AgentPhoneConfiguration::unavailable() {
  static const AgentPhoneConfiguration configuration{false, {}, "", "Twilio + OpenAI Realtime SIP"};
  return configuration;
}

const AgentPhoneState& AgentPhoneState::unavailable() {
  static const AgentPhoneState state{
      AgentPhoneConfiguration::unavailable(), std::nullopt, {}, {}, "", false};
  return state;
}

std::string AgentPhoneCall::timestampLabel(const std::string& locale,
                                           const std::string& timeZone) const {
  const std::optional<std::string>& text = updatedAt ? updatedAt : startedAt;
  const auto instant = text ? parseInternetDateTime(*text) : std::nullopt;
  if (!instant) return "Recently";
  std::string label = abbreviatedDateTime(*instant, locale, timeZone);
  return label.empty() ? "Recently" : label;
}

void from_json(const nlohmann::json& json, AgentPhoneConfiguration& configuration) {
  json.at("ready").get_to(configuration.ready);
  json.at("missing").get_to(configuration.missing);
  json.at("model").get_to(configuration.model);
  json.at("provider").get_to(configuration.provider);
}

void from_json(const nlohmann::json& json, AgentPhoneAgent& agent) {
  json.at("id").get_to(agent.id);
  json.at("name").get_to(agent.name);
  json.at("voice").get_to(agent.voice);
  json.at("role").get_to(agent.role);
}

void from_json(const nlohmann::json& json, AgentPhoneLine& line) {
  json.at("id").get_to(line.id);
  json.at("provider").get_to(line.provider);
  json.at("label").get_to(line.label);
  json.at("phoneNumber").get_to(line.phoneNumber);
  json.at("maskedPhoneNumber").get_to(line.maskedPhoneNumber);
  json.at("agentId").get_to(line.agentId);
  json.at("agentName").get_to(line.agentName);
  json.at("voice").get_to(line.voice);
  json.at("inboundEnabled").get_to(line.inboundEnabled);
  json.at("outboundEnabled").get_to(line.outboundEnabled);
  json.at("allowedInboundCallers").get_to(line.allowedInboundCallers);
  json.at("status").get_to(line.status);
  json.at("webhookUrl").get_to(line.webhookUrl);
  line.connectedAt = optionalField<std::string>(json, "connectedAt");
  line.lastSyncedAt = optionalField<std::string>(json, "lastSyncedAt");
  json.at("syncError").get_to(line.syncError);
}

void from_json(const nlohmann::json& json, AgentPhoneCall& call) {
  json.at("id").get_to(call.id);
  json.at("lineId").get_to(call.lineId);
  json.at("direction").get_to(call.direction);
  json.at("remoteNumber").get_to(call.remoteNumber);
  json.at("maskedRemoteNumber").get_to(call.maskedRemoteNumber);
  json.at("status").get_to(call.status);
  json.at("agentId").get_to(call.agentId);
  json.at("agentName").get_to(call.agentName);
  json.at("purpose").get_to(call.purpose);
  call.startedAt = optionalField<std::string>(json, "startedAt");
  call.updatedAt = optionalField<std::string>(json, "updatedAt");
  call.completedAt = optionalField<std::string>(json, "completedAt");
  call.durationSeconds = optionalField<std::int64_t>(json, "durationSeconds");
}

void from_json(const nlohmann::json& json, AgentPhoneEnvelope& envelope) {
  json.at("ok").get_to(envelope.ok);
  envelope.configuration = optionalField<AgentPhoneConfiguration>(json, "configuration");
  envelope.line = optionalField<AgentPhoneLine>(json, "line");
  envelope.calls = optionalField<std::vector<AgentPhoneCall>>(json, "calls");
  envelope.agents = optionalField<std::vector<AgentPhoneAgent>>(json, "agents");
  envelope.call = optionalField<AgentPhoneCall>(json, "call");
  envelope.warning = optionalField<std::string>(json, "warning");
  envelope.error = optionalField<std::string>(json, "error");
}

void to_json(nlohmann::json& json, const AgentPhoneLinkRequest& request) {
  json = {{"accountSid", request.accountSid},
          {"authToken", request.authToken},
          {"phoneNumber", request.phoneNumber},
          {"label", request.label},
          {"agentId", request.agentId},
          {"inboundEnabled", request.inboundEnabled},
          {"outboundEnabled", request.outboundEnabled},
          {"allowedInboundCallers", request.allowedInboundCallers}};
}

void to_json(nlohmann::json& json, const AgentPhoneRoutingRequest& request) {
  json = {{"label", request.label},
          {"agentId", request.agentId},
          {"inboundEnabled", request.inboundEnabled},
          {"outboundEnabled", request.outboundEnabled},
          {"allowedInboundCallers", request.allowedInboundCallers}};
}

void to_json(nlohmann::json& json, const AgentPhoneOutboundRequest& request) {
  json = {{"to", request.to}, {"purpose", request.purpose}};
}

}  // namespace ondi
