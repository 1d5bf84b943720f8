#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace ondi {

// Whether the service's voice bridge is configured.
struct AgentPhoneConfiguration {
  bool ready = false;
  // Names of the service settings that are missing.
  std::vector<std::string> missing;
  std::string model;
  std::string provider;

  // What is assumed before the service has answered.
  static const AgentPhoneConfiguration& unavailable();

  bool operator==(const AgentPhoneConfiguration&) const = default;
};

// An agent that may answer the line.
struct AgentPhoneAgent {
  std::string id;
  std::string name;
  std::string voice;
  std::string role;

  bool operator==(const AgentPhoneAgent&) const = default;
};

// The connected number. Numbers are shown only in the masked form the service prepares.
struct AgentPhoneLine {
  std::string id;
  std::string provider;
  std::string label;
  std::string phoneNumber;
  std::string maskedPhoneNumber;
  std::string agentId;
  std::string agentName;
  std::string voice;
  bool inboundEnabled = false;
  bool outboundEnabled = false;
  // Empty: any caller is accepted while inbound calling is on.
  std::vector<std::string> allowedInboundCallers;
  std::string status;
  std::string webhookUrl;
  std::optional<std::string> connectedAt;
  std::optional<std::string> lastSyncedAt;
  std::string syncError;

  bool operator==(const AgentPhoneLine&) const = default;
};

// One call in the history.
struct AgentPhoneCall {
  std::string id;
  std::string lineId;
  // "inbound" for calls into the number; anything else is an outbound call.
  std::string direction;
  std::string remoteNumber;
  std::string maskedRemoteNumber;
  std::string status;
  std::string agentId;
  std::string agentName;
  std::string purpose;
  std::optional<std::string> startedAt;
  std::optional<std::string> updatedAt;
  std::optional<std::string> completedAt;
  std::optional<std::int64_t> durationSeconds;

  bool isInbound() const { return direction == "inbound"; }
  // When the call last changed (its start when it never changed), as an abbreviated date and
  // a short time in `locale` and `timeZone` (the user's own when empty); "Recently" when the
  // service sent no time or one that is not a whole-second internet date and time.
  std::string timestampLabel(const std::string& locale = {},
                             const std::string& timeZone = {}) const;

  bool operator==(const AgentPhoneCall&) const = default;
};

// The answer of every phone request; only "ok" is always there.
struct AgentPhoneEnvelope {
  bool ok = false;
  std::optional<AgentPhoneConfiguration> configuration;
  std::optional<AgentPhoneLine> line;
  std::optional<std::vector<AgentPhoneCall>> calls;
  std::optional<std::vector<AgentPhoneAgent>> agents;
  // The call just placed.
  std::optional<AgentPhoneCall> call;
  std::optional<std::string> warning;
  std::optional<std::string> error;
};

// What the client knows of the account's phone line.
struct AgentPhoneState {
  AgentPhoneConfiguration configuration;
  std::optional<AgentPhoneLine> line;
  // As the service sent them, newest first.
  std::vector<AgentPhoneCall> calls;
  std::vector<AgentPhoneAgent> agents;
  std::string warning;
  // Whether any answer has been applied yet.
  bool loaded = false;

  // Before the first answer, and after the account has gone.
  static const AgentPhoneState& unavailable();

  bool operator==(const AgentPhoneState&) const = default;
};

// Connects a number. `authToken` is the user's Twilio secret: it is sent once and never kept.
struct AgentPhoneLinkRequest {
  std::string accountSid;
  std::string authToken;
  std::string phoneNumber;
  std::string label;
  std::string agentId;
  bool inboundEnabled = false;
  bool outboundEnabled = false;
  std::vector<std::string> allowedInboundCallers;
};

// Changes the routing of the connected number.
struct AgentPhoneRoutingRequest {
  std::string label;
  std::string agentId;
  bool inboundEnabled = false;
  bool outboundEnabled = false;
  std::vector<std::string> allowedInboundCallers;
};

// Asks the assigned agent to call `to` with `purpose` as its objective.
struct AgentPhoneOutboundRequest {
  std::string to;
  std::string purpose;
};

void from_json(const nlohmann::json& json, AgentPhoneConfiguration& configuration);
void from_json(const nlohmann::json& json, AgentPhoneAgent& agent);
void from_json(const nlohmann::json& json, AgentPhoneLine& line);
void from_json(const nlohmann::json& json, AgentPhoneCall& call);
void from_json(const nlohmann::json& json, AgentPhoneEnvelope& envelope);
void to_json(nlohmann::json& json, const AgentPhoneLinkRequest& request);
void to_json(nlohmann::json& json, const AgentPhoneRoutingRequest& request);
void to_json(nlohmann::json& json, const AgentPhoneOutboundRequest& request);

}  // namespace ondi
