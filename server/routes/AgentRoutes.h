#pragma once

namespace ondi::server {

class Router;
struct AccountServices;
struct AgentServices;
struct PaymentServices;
struct RunServices;

// The agent chat of the signed-in account: "GET /api/agent/state?threadId=T", "POST
// /api/agent/new" and "POST /api/agent/message". Without a session they answer 401. A prompt that
// asks to watch the managed browser starts a cloud-agent run, answered as "monitoredRun": {"id"};
// one that asks to buy something is decided by the agent payments and answered with the decision.
void addAgentRoutes(Router& router, AccountServices& accounts, AgentServices& agent,
                    RunServices& runs, PaymentServices& payments);

}  // namespace ondi::server
