#pragma once

#include <nlohmann/json.hpp>

#include "accounts/Account.h"

namespace ondi::server {

// The account as the desktop reads it: {"id", "name", "email", "authProvider", "guest": false}.
nlohmann::json desktopAuthUser(const Account& account);

}  // namespace ondi::server
