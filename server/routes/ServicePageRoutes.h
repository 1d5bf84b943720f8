#pragma once

namespace ondi::server {

class Router;
struct AccountServices;

// The service's pages the app opens: "/agent.html" (by its "surface" query item; the operator
// page for every surface so far), "/page.html?view=…" (the account page and the small pages of
// the other views) and "/auth.html?mode=…".
void addServicePageRoutes(Router& router, AccountServices& services);

}  // namespace ondi::server
