#include "http/Response.h"

Response Response::json(unsigned status, nlohmann::json body) {
  return Response{.status = status, .body = std::move(body), .headers = {}};
}

Response Response::error(unsigned status, std::string_view message) {
  return json(status, {{"ok", false}, {"error", message}});
}

std::string Response::bodyText() const {
  return body.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}
