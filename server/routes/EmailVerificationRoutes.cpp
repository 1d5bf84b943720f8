#include "routes/EmailVerificationRoutes.h"

#include "accounts/AccountServices.h"
#include "http/Router.h"
#include "pages/AuthPage.h"

namespace ondi::server {
namespace {

Response confirmSignUp(AccountServices& services, const Request& request) {
  const auto token = request.formItems.find("token");
  const auto signUp = token == request.formItems.end() || token->second.empty()
                          ? std::nullopt
                          : services.verifications.redeem(token->second);
  if (!signUp) return Response::page(400, verificationInvalidPage());
  services.accounts.confirmSignUp(signUp->accountId, signUp->name, signUp->passwordHash);
  return Response::page(200, verificationDonePage());
}

}  // namespace

void addEmailVerificationRoutes(Router& router, AccountServices& services) {
  router.add(
      "POST", "/api/auth/verify-email",
      [&services](const Request& request) { return confirmSignUp(services, request); },
      BodyFormat::form);
}

}  // namespace ondi::server
