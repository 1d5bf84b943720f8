#include "routes/AgentFailureRoutes.h"

#include <optional>
#include <string>

#include "agent/AgentFailureSwitch.h"
#include "http/JsonBody.h"
#include "http/Router.h"

namespace ondi::server {
namespace {

constexpr unsigned kMaxFailureCount = 1000;

struct Failure {
  unsigned status;
  AgentFailureSwitch::Body body;
  unsigned count;
};

std::optional<unsigned> numberIn(const nlohmann::json& body, std::string_view key, unsigned low,
                                 unsigned high) {
  const auto member = body.find(key);
  if (member == body.end() || !member->is_number_integer()) return std::nullopt;
  const auto value = member->get<long long>();
  if (value < low || value > high) return std::nullopt;
  return static_cast<unsigned>(value);
}

std::optional<Failure> readFailure(const Request& request) {
  const auto body = jsonObjectBody(request);
  if (!body) return std::nullopt;
  const auto status = numberIn(*body, "status", 400, 599);
  const auto count = numberIn(*body, "count", 0, kMaxFailureCount);
  const std::string format =
      body->contains("format") ? stringMember(*body, "format").value_or("") : std::string("json");
  if (!status || !count || (format != "json" && format != "html")) return std::nullopt;
  return Failure{
      .status = *status,
      .body = format == "html" ? AgentFailureSwitch::Body::html : AgentFailureSwitch::Body::json,
      .count = *count};
}

Response armFailures(AgentFailureSwitch& failures, const Request& request) {
  const auto failure = readFailure(request);
  if (!failure) {
    return Response::error(400,
                           "Send {\"status\": 400 to 599, \"count\": 0 to 1000, \"format\": "
                           "\"json\" or \"html\"}.");
  }
  failures.arm(failure->status, failure->body, failure->count);
  return Response::json(200,
                        {{"ok", true}, {"status", failure->status}, {"count", failure->count}});
}

}  // namespace

void addAgentFailureRoutes(Router& router, AgentFailureSwitch& failures) {
  router.add("POST", "/api/test/agent-failure",
             [&failures](const Request& request) { return armFailures(failures, request); });
}

}  // namespace ondi::server
