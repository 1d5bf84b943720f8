#pragma once

namespace ondi::server {

class Router;
struct AccountServices;
struct PaymentServices;

// Agent payments of the signed-in account, through the stand-in card issuer:
// "GET /api/agent-payments/status" (setup, balances, policy, card, recent top-ups),
// "POST /api/agent-payments/setup" (starts onboarding and answers its one-time page address),
// "PUT /api/agent-payments/policy" and "POST /api/agent-payments/topups". Without a session they
// answer 401. The onboarding page "/agent-payments/onboarding?link=L" needs no session; its form
// posts to "/api/agent-payments/onboarding". When the server does not offer agent payments none
// of these is served, so all answer 404.
void addAgentPaymentRoutes(Router& router, AccountServices& services, PaymentServices& payments);

}  // namespace ondi::server
