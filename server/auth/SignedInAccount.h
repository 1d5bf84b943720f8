#pragma once

#include <optional>

#include "accounts/Account.h"
#include "accounts/AccountServices.h"
#include "http/Request.h"
#include "http/Response.h"

namespace ondi::server {

// The account whose unexpired session the request's cookie names.
std::optional<Account> signedInAccount(AccountServices& services, const Request& request);

// Starts a session for the account and answers {"ok": true, "authenticated": true, "user",
// "authProviders"} with the session cookie.
Response signInAnswer(AccountServices& services, const Account& account, const Request& request);

}  // namespace ondi::server
