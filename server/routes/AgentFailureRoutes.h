#pragma once

namespace ondi::server {

class AgentFailureSwitch;
class Router;

// "POST /api/test/agent-failure" {"status": 400 to 599, "count": 0 to 1000, "format": "json" or
// "html" (default "json")} makes the next `count` agent prompts fail with that status and body.
// Registered only with --test-routes.
void addAgentFailureRoutes(Router& router, AgentFailureSwitch& failures);

}  // namespace ondi::server
