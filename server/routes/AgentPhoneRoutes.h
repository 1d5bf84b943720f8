#pragma once

namespace ondi::server {

class Router;
struct AccountServices;
struct PhoneServices;

// The signed-in account's agent phone through the stand-in carrier:
// "GET /api/account/phone" (the voice bridge's readiness, the connected number, recent calls and
// the agents that may answer), "POST" (connect a Twilio number), "PUT" (change its routing) and
// "DELETE" (disconnect it) on the same path answer that whole envelope; "POST" and "GET
// /api/account/phone/calls" place an outbound call and list calls, answering only the calls.
// Without a session they answer 401. With the mode "not-found" none of these is served, so all
// answer 404.
void addAgentPhoneRoutes(Router& router, AccountServices& services, PhoneServices& phone);

}  // namespace ondi::server
