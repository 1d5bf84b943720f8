#include "core/phone/AgentPhoneSetupDraft.h"

#include <algorithm>

#include "core/util/Text.h"

namespace ondi {

AgentPhoneSetupDraft AgentPhoneSetupDraft::forLine(const AgentPhoneLine& line) {
  AgentPhoneSetupDraft draft;
  draft.editing = true;
  draft.label = line.label;
  draft.agentId = line.agentId;
  draft.inboundEnabled = line.inboundEnabled;
  draft.outboundEnabled = line.outboundEnabled;
  for (const std::string& caller : line.allowedInboundCallers) {
    if (!draft.allowedCallersText.empty()) draft.allowedCallersText += '\n';
    draft.allowedCallersText += caller;
  }
  return draft;
}

std::vector<std::string> AgentPhoneSetupDraft::allowedCallers(std::string_view text) {
  std::vector<std::string> callers;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find_first_of(",\n\r", start), text.size());
    if (std::string caller = trimmedWhitespace(text.substr(start, end - start)); !caller.empty()) {
      callers.push_back(std::move(caller));
    }
    start = end + 1;
  }
  return callers;
}

bool AgentPhoneSetupDraft::canSave(std::string_view authToken) const {
  const bool routed =
      !trimmedWhitespace(label).empty() && !agentId.empty() && (inboundEnabled || outboundEnabled);
  if (!routed || editing) return routed;
  return trimmedWhitespace(accountSid).starts_with("AC") &&
         characterCount(trimmedWhitespace(authToken)) >= 32 &&
         trimmedWhitespace(phoneNumber).starts_with("+");
}

AgentPhoneLinkRequest AgentPhoneSetupDraft::linkRequest(std::string_view authToken) const {
  return {trimmedWhitespace(accountSid),
          trimmedWhitespace(authToken),
          trimmedWhitespace(phoneNumber),
          trimmedWhitespace(label),
          agentId,
          inboundEnabled,
          outboundEnabled,
          allowedCallers(allowedCallersText)};
}

AgentPhoneRoutingRequest AgentPhoneSetupDraft::routingRequest() const {
  return {trimmedWhitespace(label), agentId, inboundEnabled, outboundEnabled,
          allowedCallers(allowedCallersText)};
}

}  // namespace ondi
