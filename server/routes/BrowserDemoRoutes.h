#pragma once

namespace ondi::server {

class Router;
struct RunServices;

// The guest browser demo, which needs no account: "POST /api/browser/demo" (an optional body
// {"provider": "daytona"} asks for a demo watched through screenshots) answers
// {"ok", "demoId", "sessionId", "provider", "frameMode"}; "GET /api/browser/demo/<id>/live" and
// ".../snapshot" answer its content as the run routes do.
void addBrowserDemoRoutes(Router& router, RunServices& runs);

}  // namespace ondi::server
