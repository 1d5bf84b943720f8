#pragma once

#include <cstddef>
#include <optional>

#include "http/BodyFormat.h"
#include "http/Request.h"
#include "http/Response.h"

namespace ondi::server {

// The largest request body the server reads; a longer one is answered with 413.
inline constexpr std::size_t kMaxRequestBodyBytes = 1024 * 1024;

Response bodyTooLargeResponse();

// Every API body is JSON: a non-empty body on an "/api/" path that is not declared as
// "application/json" is answered with 415, and one that does not parse with 400, before any route
// sees it. A route that takes a form accepts only a body declared as
// "application/x-www-form-urlencoded". Nothing otherwise.
std::optional<Response> rejectUnparsableBody(const Request& request, BodyFormat format);

}  // namespace ondi::server
