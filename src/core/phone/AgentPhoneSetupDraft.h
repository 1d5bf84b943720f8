#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/phone/AgentPhoneRecords.h"

namespace ondi {

// What the setup sheet holds while the user connects a number or edits its routing. The Twilio
// Auth Token is not part of it: the sheet hands it over only when the request is built, so no
// copy outlives the request.
struct AgentPhoneSetupDraft {
  // Whether the draft edits the connected line rather than connecting a new number.
  bool editing = false;
  std::string accountSid;
  std::string phoneNumber;
  std::string label;
  std::string agentId;
  bool inboundEnabled = true;
  bool outboundEnabled = false;
  // One text with the approved callers, separated by commas or line breaks.
  std::string allowedCallersText;

  // A draft of the line's current routing, its callers one per line.
  static AgentPhoneSetupDraft forLine(const AgentPhoneLine& line);

  // The approved callers as sent: split at commas and line breaks, trimmed, blanks dropped.
  // Their form is the service's to check.
  static std::vector<std::string> allowedCallers(std::string_view text);

  // A label, an agent and a direction; for a new connection also an Account SID starting "AC",
  // a token of at least 32 characters and a number starting "+". Editing needs no credentials.
  bool canSave(std::string_view authToken) const;

  AgentPhoneLinkRequest linkRequest(std::string_view authToken) const;
  AgentPhoneRoutingRequest routingRequest() const;
};

}  // namespace ondi
