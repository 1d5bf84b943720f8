#pragma once

#include <libsoup/soup.h>

#include "http/Request.h"
#include "http/Response.h"

namespace ondi::server {

// Copies what the routes need out of a libsoup server message.
Request requestFromMessage(SoupServerMessage* message);

// Sets the status, headers and body of a libsoup server message.
void applyResponse(SoupServerMessage* message, const Response& response);

}  // namespace ondi::server
