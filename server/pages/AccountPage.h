#pragma once

#include <optional>
#include <string>

#include "accounts/Account.h"

namespace ondi::server {

// "/page.html?view=account": who is signed in, with their plan and sign-in method and a way to
// sign out; without an account, a link to log in that comes back here.
std::string accountPage(const std::optional<Account>& account);

}  // namespace ondi::server
