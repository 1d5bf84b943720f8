#include "phone/PhoneRequests.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "accounts/AgentRoster.h"
#include "accounts/TextInput.h"
#include "http/JsonBody.h"
#include "phone/PhoneNumber.h"

namespace ondi::server {
namespace {

constexpr std::size_t kMaxLabelCharacters = 80;
constexpr std::size_t kMaxPurposeCharacters = 500;
constexpr std::size_t kMaxAllowedCallers = 50;
constexpr std::size_t kHexDigitsInSid = 32;
constexpr std::size_t kAuthTokenLength = 32;

bool isLowerHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

bool isHex(char c) {
  return isLowerHex(c) || (c >= 'A' && c <= 'F');
}

bool isAccountSid(std::string_view sid) {
  return sid.size() == 2 + kHexDigitsInSid && sid.starts_with("AC") &&
         std::ranges::all_of(sid.substr(2), isHex);
}

bool isAuthToken(std::string_view token) {
  return token.size() == kAuthTokenLength && std::ranges::all_of(token, isLowerHex);
}

std::optional<bool> boolMember(const nlohmann::json& object, std::string_view key) {
  const auto member = object.find(key);
  if (member == object.end() || !member->is_boolean()) return std::nullopt;
  return member->get<bool>();
}

std::optional<std::vector<std::string>> callerList(const nlohmann::json& object) {
  const auto member = object.find("allowedInboundCallers");
  if (member == object.end() || !member->is_array()) return std::nullopt;
  std::vector<std::string> callers;
  for (const nlohmann::json& caller : *member) {
    if (!caller.is_string()) return std::nullopt;
    callers.push_back(caller.get<std::string>());
  }
  return callers;
}

}  // namespace

std::expected<PhoneRouting, std::string> readPhoneRouting(const nlohmann::json& body) {
  const auto label = stringMember(body, "label");
  if (!label) return std::unexpected("The label must be text.");
  PhoneRouting routing;
  routing.label = trimmed(*label);
  if (routing.label.empty()) return std::unexpected("Give the number a label.");
  if (characterCount(routing.label) > kMaxLabelCharacters) {
    return std::unexpected("The label must be at most 80 characters.");
  }
  const auto agentId = stringMember(body, "agentId");
  if (!agentId || findAgent(*agentId) == nullptr) {
    return std::unexpected("Choose one of the account's agents to answer the number.");
  }
  routing.agentId = *agentId;
  const auto inbound = boolMember(body, "inboundEnabled");
  const auto outbound = boolMember(body, "outboundEnabled");
  if (!inbound || !outbound) {
    return std::unexpected("Inbound and outbound calling must each be on or off (true or false).");
  }
  if (!*inbound && !*outbound) return std::unexpected("Turn on inbound or outbound calling.");
  routing.inboundEnabled = *inbound;
  routing.outboundEnabled = *outbound;
  auto callers = callerList(body);
  if (!callers) return std::unexpected("Allowed callers must be a list of phone numbers.");
  if (callers->size() > kMaxAllowedCallers) {
    return std::unexpected("At most 50 allowed callers can be listed.");
  }
  if (!std::ranges::all_of(*callers, isE164Number)) {
    return std::unexpected(
        "Each allowed caller must be a phone number in E.164 form, such as +15550100101.");
  }
  routing.allowedInboundCallers = std::move(*callers);
  return routing;
}

std::expected<PhoneLinkRequest, std::string> readPhoneLinkRequest(const nlohmann::json& body) {
  const auto sid = stringMember(body, "accountSid");
  if (!sid || !isAccountSid(*sid)) {
    return std::unexpected(
        "The Twilio account SID must be \"AC\" followed by 32 hexadecimal characters.");
  }
  const auto token = stringMember(body, "authToken");
  if (!token || !isAuthToken(*token)) {
    return std::unexpected("The Twilio auth token must be 32 characters of 0-9 and a-f.");
  }
  const auto number = stringMember(body, "phoneNumber");
  if (!number || !isE164Number(*number)) {
    return std::unexpected("The phone number must be in E.164 form, such as +15550100101.");
  }
  auto routing = readPhoneRouting(body);
  if (!routing) return std::unexpected(routing.error());
  return PhoneLinkRequest{.accountSid = *sid,
                          .authToken = *token,
                          .phoneNumber = *number,
                          .routing = std::move(*routing)};
}

std::expected<PhoneCallRequest, std::string> readPhoneCallRequest(const nlohmann::json& body) {
  const auto to = stringMember(body, "to");
  if (!to || !isE164Number(*to)) {
    return std::unexpected("The number to call must be in E.164 form, such as +15550100101.");
  }
  const auto purpose = stringMember(body, "purpose");
  const std::string text = purpose ? trimmed(*purpose) : "";
  if (text.empty() || characterCount(text) > kMaxPurposeCharacters) {
    return std::unexpected("Say what the call is for, in at most 500 characters.");
  }
  return PhoneCallRequest{.to = *to, .purpose = text};
}

}  // namespace ondi::server
