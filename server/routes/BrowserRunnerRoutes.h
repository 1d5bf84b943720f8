#pragma once

namespace ondi::server {

class Router;
struct AccountServices;
struct RunServices;

// The browser-runner's control pages, "GET /v1/sessions/<uuid>/control": a guest demo's for
// anyone, a run's for the account it belongs to only (a sign-in page without a session, "not
// found" for other accounts). The UUID may be written in either case.
void addBrowserRunnerRoutes(Router& router, AccountServices& accounts, RunServices& runs);

}  // namespace ondi::server
