#include "routes/OpenAiTestRoutes.h"

#include <memory>
#include <optional>

#include <nlohmann/json.hpp>

#include "http/Router.h"
#include "openai/ResponsesAnswers.h"
#include "openai/ResponsesRequest.h"

namespace ondi::server {
namespace {

struct Endpoint {
  std::string expectedAuthorization;
  std::optional<nlohmann::json> lastRequest;
};

bool isAuthorized(const Endpoint& endpoint, const Request& request) {
  const auto header = request.headers.find("authorization");
  return header != request.headers.end() && header->second == endpoint.expectedAuthorization;
}

Response createResponse(Endpoint& endpoint, const Request& request) {
  nlohmann::json body = nlohmann::json::parse(request.body, nullptr, false);
  if (!body.is_discarded()) endpoint.lastRequest = body;
  if (!isAuthorized(endpoint, request)) {
    return openai::invalidRequest(401, "Incorrect API key provided.");
  }
  if (!body.is_object()) {
    return openai::invalidRequest(400, "We could not parse the JSON body of your request.");
  }
  const auto checked = openai::readResponsesRequest(body);
  if (!checked) return openai::invalidRequest(400, checked.error().message, checked.error().param);
  return openai::responsesAnswer(*checked);
}

Response lastRequest(const Endpoint& endpoint) {
  if (!endpoint.lastRequest) {
    return openai::invalidRequest(404, "No request has reached /v1/responses yet.");
  }
  return Response::json(200, *endpoint.lastRequest);
}

}  // namespace

void addOpenAiTestRoutes(Router& router, std::string apiKey) {
  auto endpoint = std::make_shared<Endpoint>(
      Endpoint{.expectedAuthorization = "Bearer " + apiKey, .lastRequest = std::nullopt});
  router.add("POST", "/v1/responses",
             [endpoint](const Request& request) { return createResponse(*endpoint, request); });
  router.add("GET", "/v1/test/last-request",
             [endpoint](const Request&) { return lastRequest(*endpoint); });
}

}  // namespace ondi::server
