#pragma once

#include <cstdint>
#include <string>

#include "http/Response.h"
#include "runs/RunnerSession.h"

namespace ondi::server {

// The browser-runner control page of a session, allowed to run its own script only: the run's
// title, the simulated browser's tabs, address and page title, and a picture of its page with a
// loading bar and a moving pointer. The page's own script moves the browser along its itinerary
// from the moment served, so the page changes without asking the server again.
Response controlPage(const RunnerSession& session, std::int64_t now);

}  // namespace ondi::server
