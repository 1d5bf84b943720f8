#pragma once

namespace ondi::server {

class Router;
struct AccountServices;
struct MessagingServices;

// The signed-in account's private messaging route: "GET /api/messaging/route" answers it (made
// on first use) and "POST /api/messaging/route/rotate" gives it a new code. Without a session they
// answer 401, and 503 while the server has no relay address. "GET /messaging/connect?code=CODE",
// the page the route's QR code opens, needs no session and answers 404 for any code but a
// route's current one, and whenever the server has no relay address.
void addMessagingRoutes(Router& router, AccountServices& services, MessagingServices& messaging);

}  // namespace ondi::server
