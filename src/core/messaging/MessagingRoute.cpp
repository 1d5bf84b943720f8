#include "core/messaging/MessagingRoute.h"

#include <algorithm>

#include "core/util/Json.h"
#include "core/util/Text.h"
#include "core/util/Url.h"

namespace ondi {
namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t digitCount(const std::string& text) {
  return static_cast<std::size_t>(std::ranges::count_if(text, isDigit));
}

std::optional<std::string> secureCandidate(const std::optional<std::string>& candidate) {
  if (!candidate) return std::nullopt;
  const std::string text = trimmedWhitespace(*candidate);
  if (text.empty()) return std::nullopt;
  const auto url = Url::parse(text);
  if (!url || url->hasUserOrPassword() || url->scheme().empty() || url->host().empty()) {
    return std::nullopt;
  }
  const std::string scheme = url->lowercasedScheme();
  const std::string host = url->lowercasedHost();
  const bool loopback =
      host == "localhost" || host == "127.0.0.1" || host == "::1" || host == "[::1]";
  if (scheme == "https" || (scheme == "http" && loopback)) return url->string();
  return std::nullopt;
}

}  // namespace

std::string MessagingRoute::resolvedRecipient() const {
  return trimmedWhitespace(recipient.value_or(destination.value_or("")));
}

std::optional<std::string> MessagingRoute::resolvedAgentName() const {
  const auto named = agent && agent->name ? agent->name : agentName;
  std::string name = trimmedWhitespace(named.value_or(""));
  if (name.empty()) return std::nullopt;
  return name;
}

void from_json(const nlohmann::json& json, MessagingRoute::Agent& agent) {
  agent.id = optionalField<std::string>(json, "id");
  agent.name = optionalField<std::string>(json, "name");
}

void from_json(const nlohmann::json& json, MessagingRoute& route) {
  route.id = optionalField<std::string>(json, "id");
  json.at("code").get_to(route.code);
  route.recipient = optionalField<std::string>(json, "recipient");
  route.destination = optionalField<std::string>(json, "destination");
  route.maskedDestination = optionalField<std::string>(json, "maskedDestination");
  route.agent = optionalField<MessagingRoute::Agent>(json, "agent");
  route.agentName = optionalField<std::string>(json, "agentName");
  route.connectUrl = optionalField<std::string>(json, "connectUrl");
  route.qrPayload = optionalField<std::string>(json, "qrPayload");
  route.channel = optionalField<std::string>(json, "channel");
  route.transport = optionalField<std::string>(json, "transport");
}

void from_json(const nlohmann::json& json, MessagingRouteEnvelope& envelope) {
  json.at("ok").get_to(envelope.ok);
  envelope.route = optionalField<MessagingRoute>(json, "route");
  envelope.error = optionalField<std::string>(json, "error");
}

bool isMessageAddress(const std::string& text) {
  if (text.find('*') != std::string::npos) return false;
  if (text.find('@') != std::string::npos) return !text.starts_with("accessGroup:");
  return digitCount(text) >= 7;
}

std::string maskMessageAddress(const std::string& text) {
  if (text.starts_with("imessage:g-")) return "iMessage group";
  const auto at = text.find('@');
  if (at == std::string::npos) {
    if (digitCount(text) < 4) return text;
    std::string lastDigits;
    for (auto c = text.rbegin(); c != text.rend() && lastDigits.size() < 4; ++c) {
      if (isDigit(*c)) lastDigits.insert(lastDigits.begin(), *c);
    }
    return "••• ••• " + lastDigits;
  }
  const std::string local = text.substr(0, at);
  const std::string domain = text.substr(at + 1);
  if (local.empty() || domain.empty()) return text;
  return prefixCharacters(local, 2) + "•••@" + domain;
}

std::string shortRouteError(const std::string& description) {
  return shortenedWithEllipsis(trimmedWhitespace(description), 97);
}

namespace MessagingRouteURLPolicy {

std::optional<std::string> secureURL(const std::optional<std::string>& connectURL,
                                     const std::optional<std::string>& qrPayload) {
  if (auto url = secureCandidate(connectURL)) return url;
  return secureCandidate(qrPayload);
}

std::optional<std::string> secureSetupStatusURL(const std::string& base) {
  const auto secureBase = secureCandidate(base);
  if (!secureBase) return std::nullopt;
  const auto url = Url::parse(*secureBase);
  const auto page =
      url ? url->resolve("/agent.html?source=mac_app&surface=messaging") : std::nullopt;
  return page ? secureCandidate(page->string()) : std::nullopt;
}

}  // namespace MessagingRouteURLPolicy
}  // namespace ondi
