#include "agent/AgentFailureSwitch.h"

#include <string>

#include "http/HtmlPage.h"

namespace ondi::server {

void AgentFailureSwitch::arm(unsigned status, Body body, unsigned count) {
  status_ = status;
  body_ = body;
  remaining_ = count;
}

std::optional<Response> AgentFailureSwitch::nextFailure() {
  if (remaining_ == 0) return std::nullopt;
  --remaining_;
  const std::string title = "Agent unavailable (" + std::to_string(status_) + ")";
  if (body_ == Body::html) {
    return Response::page(status_,
                          htmlDocument(title, "<h1>" + escapeHtml(title) +
                                                  "</h1><p>The agent failed on purpose.</p>"));
  }
  return Response::error(
      status_, "The agent failed on purpose with status " + std::to_string(status_) + ".");
}

}  // namespace ondi::server
