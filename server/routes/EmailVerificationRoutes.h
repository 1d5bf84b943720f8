#pragma once

namespace ondi::server {

class Router;
struct AccountServices;

// "POST /api/auth/verify-email" with the form of the page a verification link opens
// ("/auth.html?mode=verify-email&token=…"): confirms the sign-up the token belongs to.
void addEmailVerificationRoutes(Router& router, AccountServices& services);

}  // namespace ondi::server
