#pragma once

#include <expected>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace ondi::server {

// Who answers the connected number and which calls it takes.
struct PhoneRouting {
  // Trimmed, 1 to 80 characters.
  std::string label;
  // One of the roster's agents.
  std::string agentId;
  bool inboundEnabled = false;
  bool outboundEnabled = false;
  // E.164 numbers; empty means any caller while inbound calling is on.
  std::vector<std::string> allowedInboundCallers;
};

// What connecting a Twilio number takes: the account's credentials, the number and its routing.
struct PhoneLinkRequest {
  std::string accountSid;
  std::string authToken;
  std::string phoneNumber;
  PhoneRouting routing;
};

// An outbound call the agent is asked to place.
struct PhoneCallRequest {
  std::string to;
  // Trimmed, 1 to 500 characters.
  std::string purpose;
};

// Each reader checks every key of the body and answers the first problem as one sentence. No
// sentence repeats a value from the body, so that a secret sent in the wrong field is never
// echoed.
std::expected<PhoneRouting, std::string> readPhoneRouting(const nlohmann::json& body);
std::expected<PhoneLinkRequest, std::string> readPhoneLinkRequest(const nlohmann::json& body);
std::expected<PhoneCallRequest, std::string> readPhoneCallRequest(const nlohmann::json& body);

}  // namespace ondi::server
