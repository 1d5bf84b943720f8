#include "http/BodyPolicy.h"

#include <nlohmann/json.hpp>

Response bodyTooLargeResponse() {
  return Response::error(413, "The request body is larger than the server accepts.");
}

std::optional<Response> rejectUnparsableBody(const Request& request) {
  if (request.body.empty() || !request.path.starts_with("/api/")) return std::nullopt;
  if (nlohmann::json::accept(request.body)) return std::nullopt;
  return Response::error(400, "The request body is not valid JSON.");
}
