#include "routes/EmailVerificationRoutes.h"

#include "accounts/AccountServices.h"
#include "http/HtmlPage.h"
#include "http/Router.h"

namespace {

Response verifyEmail(AccountServices& services, const Request& request) {
  const std::string token = request.queryItem("token").value_or("");
  const auto accountId = token.empty() ? std::nullopt : services.verifications.redeem(token);
  if (!accountId) {
    return Response::page(
        400, htmlDocument("Verification link not valid",
                          "<h1>This link is not valid</h1>\n<p>It has expired or was already "
                          "used. Log in from the Ondi app to get a new link.</p>"));
  }
  services.accounts.markEmailVerified(*accountId);
  return Response::page(200, htmlDocument("Email address verified",
                                          "<h1>Your email address is verified</h1>\n<p>Return "
                                          "to the Ondi app and log in.</p>"));
}

}  // namespace

void addEmailVerificationRoutes(Router& router, AccountServices& services) {
  router.add("GET", "/api/auth/verify-email",
             [&services](const Request& request) { return verifyEmail(services, request); });
}
