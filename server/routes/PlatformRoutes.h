#pragma once

namespace ondi::server {

class Router;
struct AccountServices;
struct RunServices;

// The signed-in account's cloud-agent runs: "POST /api/platform/query" with
// {"name": "workflows.list", "args": {"limit": N}}, and under "/api/platform/workflows/<id>/":
// "GET browser-live", "GET browser-snapshot", "POST browser-session" (opens the run's browser
// session again once it has closed), "POST browser-control" (the same, answering the control
// page's address) and "GET browser-control" (the control page itself). Without a session the API
// answers 401, the page a sign-in page.
void addPlatformRoutes(Router& router, AccountServices& accounts, RunServices& runs);

}  // namespace ondi::server
