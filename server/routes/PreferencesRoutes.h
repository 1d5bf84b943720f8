#pragma once

namespace ondi::server {

class Router;
struct AccountServices;

// "PUT /api/account/preferences": the signed-in account's desktop preferences and agent
// instructions.
void addPreferencesRoutes(Router& router, AccountServices& services);

}  // namespace ondi::server
