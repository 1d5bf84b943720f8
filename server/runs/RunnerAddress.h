#pragma once

#include <string>
#include <string_view>

#include "http/Request.h"

namespace ondi::server {

// "/v1/sessions/<uuid>/control": the session's control page on this server.
std::string controlPagePath(std::string_view sessionId);

// The control page as an absolute address on the origin the request reached (its scheme and
// Host), so that the app finds it on its own service origin; only the path when the request
// names no usable host.
std::string controlPageUrl(const Request& request, std::string_view sessionId);

}  // namespace ondi::server
