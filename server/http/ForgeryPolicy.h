#pragma once

#include <optional>

#include "http/Request.h"
#include "http/Response.h"

namespace ondi::server {

// A request that changes state under "/api/" must show that the Ondi app or a page of this
// service sent it: the app's "X-Requested-With: VelmoraDesktop" header, which no other site can
// add without the server's consent, or an Origin whose host and port are the request's own Host.
// A form another site submits carries neither, so it is answered with 403 before any route sees
// it. Reading (GET, HEAD, OPTIONS) is left alone.
std::optional<Response> rejectForgedRequest(const Request& request);

}  // namespace ondi::server
