#pragma once

namespace ondi::server {

class Router;
class ServiceClock;

// Routes that let the client's tests observe what it sends and provoke what it must handle:
// "/api/test/echo", "/api/test/set-cookie" and "/api/test/status". They are registered only when
// the server is started with --test-routes. A cookie set without a "path" query item gets
// "Path=/", so that it reaches every path of the origin. "POST /api/test/clock"
// {"advanceSeconds": N} moves the service's clock forward, so that tests reach expiry times.
void addTestRoutes(Router& router, ServiceClock& clock);

}  // namespace ondi::server
