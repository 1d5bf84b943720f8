#pragma once

namespace ondi::server {

class Router;
struct AccountServices;

// The stand-in of Google's consent screen that the app's web-authentication window opens:
// "GET /api/auth/google/start" shows it, and its form posts to "POST /api/auth/google/consent",
// which answers with a redirect to the app's callback address "com.velmora.desktop.auth://callback"
// carrying a one-time code or an error.
void addGoogleConsentRoutes(Router& router, AccountServices& services);

}  // namespace ondi::server
