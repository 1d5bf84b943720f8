#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "accounts/Account.h"

namespace ondi::server {

// "/auth.html": the service's own sign-in page. Its modes are "sign-in" and "sign-up" (a form
// whose script posts to the password routes, then goes to the return path), "sign-out" (a button
// that ends the session) and, for the link in a verification mail, "verify-email" (see below).
// A signed-in visitor is offered to sign out instead of a form. Any other mode reads as "sign-in".
std::string authPage(std::string_view mode, std::string_view returnTo,
                     const std::optional<Account>& account);
// The text of the auth page's one script.
std::string_view authPageScript();

// What a verification link opens: whose sign-up the link confirms, and a button that confirms it
// by posting the token. Opening the link changes nothing, so a mail scanner that follows it
// confirms nobody's password.
std::string verificationConfirmPage(std::string_view token, std::string_view email,
                                    std::string_view name);
std::string verificationDonePage();
std::string verificationInvalidPage();

}  // namespace ondi::server
