#pragma once

#include <optional>

#include "http/Response.h"

namespace ondi::server {

// Makes the next agent prompts fail on purpose, so that the client's fallback can be tested. The
// failure answers with a chosen status and either an HTML page (as a proxy in front of the
// service would) or the JSON error envelope.
class AgentFailureSwitch {
 public:
  enum class Body { json, html };

  // The next `count` prompts fail; 0 turns the switch off.
  void arm(unsigned status, Body body, unsigned count);

  // The failure for this prompt, used up by the call; nothing once the count has run out.
  std::optional<Response> nextFailure();

 private:
  unsigned status_ = 0;
  Body body_ = Body::json;
  unsigned remaining_ = 0;
};

}  // namespace ondi::server
