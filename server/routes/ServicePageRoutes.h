#pragma once

namespace ondi::server {

class Router;
struct AccountServices;

class ConnectionStore;

// The service's pages the app opens: "/agent.html" (by its "surface" query item: the connected
// apps, billing, the voice console, or the operator page), "/page.html?view=…" (the account page
// and the small pages of the other views) and "/auth.html?mode=…".
void addServicePageRoutes(Router& router, AccountServices& services, ConnectionStore& connections);

}  // namespace ondi::server
