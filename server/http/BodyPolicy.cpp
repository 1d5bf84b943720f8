#include "http/BodyPolicy.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace ondi::server {
namespace {

constexpr std::string_view kFormType = "application/x-www-form-urlencoded";
constexpr std::string_view kJsonType = "application/json";

// Whether the declared Content-Type is this media type, with or without parameters.
bool isDeclared(const Request& request, std::string_view mediaType) {
  const auto type = request.headers.find("content-type");
  if (type == request.headers.end()) return false;
  std::string value = type->second;
  std::ranges::transform(value, value.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return value.starts_with(mediaType) &&
         (value.size() == mediaType.size() || value[mediaType.size()] == ';');
}

}  // namespace

Response bodyTooLargeResponse() {
  return Response::error(413, "The request body is larger than the server accepts.");
}

std::optional<Response> rejectUnparsableBody(const Request& request, BodyFormat format) {
  if (request.body.empty() || !request.path.starts_with("/api/")) return std::nullopt;
  if (format == BodyFormat::form) {
    if (isDeclared(request, kFormType)) return std::nullopt;
    return Response::error(400, "This address takes a submitted form.");
  }
  // A browser sends a cross-site form as text/plain without asking first; only a page of this
  // service or the app can send application/json.
  if (!isDeclared(request, kJsonType)) {
    return Response::error(415, "Send the request body as application/json.");
  }
  if (nlohmann::json::accept(request.body)) return std::nullopt;
  return Response::error(400, "The request body is not valid JSON.");
}

}  // namespace ondi::server
