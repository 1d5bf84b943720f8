#pragma once

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

namespace ondi {

// The account's private route to its agent: a code that, sent from Messages to the shared
// address, binds the sender to one isolated agent thread.
struct MessagingRoute {
  struct Agent {
    std::optional<std::string> id;
    std::optional<std::string> name;
    bool operator==(const Agent&) const = default;
  };

  std::optional<std::string> id;
  std::string code;
  std::optional<std::string> recipient;
  std::optional<std::string> destination;
  std::optional<std::string> maskedDestination;
  std::optional<Agent> agent;
  std::optional<std::string> agentName;
  std::optional<std::string> connectUrl;
  std::optional<std::string> qrPayload;
  std::optional<std::string> channel;
  std::optional<std::string> transport;

  // "recipient", else "destination", trimmed; empty when neither.
  std::string resolvedRecipient() const;
  // The agent's name, else "agentName", trimmed; none when empty.
  std::optional<std::string> resolvedAgentName() const;

  bool operator==(const MessagingRoute&) const = default;
};

struct MessagingRouteEnvelope {
  bool ok = false;
  std::optional<MessagingRoute> route;
  std::optional<std::string> error;
};

void from_json(const nlohmann::json& json, MessagingRoute::Agent& agent);
void from_json(const nlohmann::json& json, MessagingRoute& route);
void from_json(const nlohmann::json& json, MessagingRouteEnvelope& envelope);

// Whether a text can be sent to from Messages: an e-mail-style address (not an access group) or
// a number of at least seven digits, and never a text with a "*" in it.
bool isMessageAddress(const std::string& text);
// A Messages address as the screen shows it: "iMessage group", "••• ••• " and the last four
// digits of a number, or the first two characters of an e-mail's local part, "•••@" and its
// domain.
std::string maskMessageAddress(const std::string& text);
// An error as the route's status line shows it: trimmed, and cut to 93 characters and "…" when
// it has 97 or more.
std::string shortRouteError(const std::string& description);

// Which addresses of a route may be opened or drawn as its QR code.
namespace MessagingRouteURLPolicy {

// The first of the two candidates that is https, or http on this computer, with a host and no
// user name or password.
std::optional<std::string> secureURL(const std::optional<std::string>& connectURL,
                                     const std::optional<std::string>& qrPayload);
// The service's messaging status page ("/agent.html?source=mac_app&surface=messaging") on a
// secure base address.
std::optional<std::string> secureSetupStatusURL(const std::string& base);

}  // namespace MessagingRouteURLPolicy
}  // namespace ondi
