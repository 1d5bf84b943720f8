#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "http/Request.h"

namespace ondi::server {

// The request body as a JSON object; an empty body reads as an empty object. Nothing when the body
// is another JSON value (the pipeline has already refused bodies that are not JSON).
std::optional<nlohmann::json> jsonObjectBody(const Request& request);

// The member's text, or nothing when the member is absent or not a string.
std::optional<std::string> stringMember(const nlohmann::json& object, std::string_view key);

}  // namespace ondi::server
