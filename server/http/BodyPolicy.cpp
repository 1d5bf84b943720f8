#include "http/BodyPolicy.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace {

constexpr std::string_view kFormType = "application/x-www-form-urlencoded";

bool isDeclaredForm(const Request& request) {
  const auto type = request.headers.find("content-type");
  if (type == request.headers.end()) return false;
  std::string value = type->second;
  std::ranges::transform(value, value.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return value.starts_with(kFormType) &&
         (value.size() == kFormType.size() || value[kFormType.size()] == ';');
}

}  // namespace

Response bodyTooLargeResponse() {
  return Response::error(413, "The request body is larger than the server accepts.");
}

std::optional<Response> rejectUnparsableBody(const Request& request, BodyFormat format) {
  if (request.body.empty() || !request.path.starts_with("/api/")) return std::nullopt;
  if (format == BodyFormat::form) {
    if (isDeclaredForm(request)) return std::nullopt;
    return Response::error(400, "This address takes a submitted form.");
  }
  if (nlohmann::json::accept(request.body)) return std::nullopt;
  return Response::error(400, "The request body is not valid JSON.");
}
