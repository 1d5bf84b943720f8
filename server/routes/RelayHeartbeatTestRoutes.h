#pragma once

#include <filesystem>

namespace ondi::server {

class Router;

// "POST /api/test/relay-heartbeat" {"status", "online", "ageSeconds"} writes the iMessage relay's
// heartbeat file as a relay that last reported ageSeconds ago (0 when absent; negative is in the
// future), so that tests of the messaging screen can make the relay running, stale or stopped.
// The stamp is the computer's real time, which the app reading the file compares it with, not
// the service clock. Registered with the test routes; answers 409 when the server was started
// without a heartbeat file.
void addRelayHeartbeatTestRoutes(Router& router, const std::filesystem::path& heartbeatFile);

}  // namespace ondi::server
