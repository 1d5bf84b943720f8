#pragma once

namespace ondi::server {

class Router;
struct AccountServices;

// "POST /api/auth/native/exchange" {"code", "verifier"}: turns the one-time code from the Google
// callback into a session, for the app that holds the PKCE verifier.
void addNativeExchangeRoutes(Router& router, AccountServices& services);

}  // namespace ondi::server
