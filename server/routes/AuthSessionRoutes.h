#pragma once

namespace ondi::server {

class Router;
struct AccountServices;

// "GET /api/auth/session": who is signed in, with everything that comes with the account, and
// "POST /api/auth/sign-out".
void addAuthSessionRoutes(Router& router, AccountServices& services);

}  // namespace ondi::server
