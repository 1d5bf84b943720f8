#pragma once

namespace ondi::server {

class Router;
struct AccountServices;

// E-mail and password accounts: "POST /api/auth/password/sign-up" and
// "POST /api/auth/password/sign-in".
void addPasswordRoutes(Router& router, AccountServices& services);

}  // namespace ondi::server
