#include "http/JsonBody.h"

namespace ondi::server {

std::optional<nlohmann::json> jsonObjectBody(const Request& request) {
  if (request.body.empty()) return nlohmann::json::object();
  nlohmann::json body = nlohmann::json::parse(request.body, nullptr, false);
  if (!body.is_object()) return std::nullopt;
  return body;
}

std::optional<std::string> stringMember(const nlohmann::json& object, std::string_view key) {
  const auto member = object.find(key);
  if (member == object.end() || !member->is_string()) return std::nullopt;
  return member->get<std::string>();
}

}  // namespace ondi::server
