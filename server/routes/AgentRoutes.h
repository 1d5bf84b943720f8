#pragma once

namespace ondi::server {

class Router;
struct AccountServices;
struct AgentServices;

// The agent chat of the signed-in account: "GET /api/agent/state?threadId=T", "POST
// /api/agent/new" and "POST /api/agent/message". Without a session they answer 401.
void addAgentRoutes(Router& router, AccountServices& accounts, AgentServices& agent);

}  // namespace ondi::server
