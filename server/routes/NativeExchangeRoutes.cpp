#include "routes/NativeExchangeRoutes.h"

#include "accounts/AccountServices.h"
#include "auth/Pkce.h"
#include "auth/SignedInAccount.h"
#include "http/JsonBody.h"
#include "http/Router.h"

namespace ondi::server {
namespace {

// One answer for every failure, so that it tells nothing about which check failed.
constexpr char kNotCompleted[] = "Google sign-in could not be completed. Please try again.";

Response exchange(AccountServices& services, const Request& request) {
  if (!services.settings.googleEnabled) return Response::error(400, kNotCompleted);
  const auto body = jsonObjectBody(request);
  const auto code = body ? stringMember(*body, "code") : std::nullopt;
  const auto verifier = body ? stringMember(*body, "verifier") : std::nullopt;
  if (!code || code->empty() || !verifier) return Response::error(400, kNotCompleted);

  // Redeeming uses the code up before the verifier is looked at: a code is good for one try.
  const auto grant = services.googleCodes.redeem(*code);
  if (!grant || !verifierMatches(*verifier, grant->challenge)) {
    return Response::error(400, kNotCompleted);
  }
  const auto account = services.accounts.findById(grant->accountId);
  if (!account) return Response::error(400, kNotCompleted);
  return signInAnswer(services, *account, request);
}

}  // namespace

void addNativeExchangeRoutes(Router& router, AccountServices& services) {
  router.add("POST", "/api/auth/native/exchange",
             [&services](const Request& request) { return exchange(services, request); });
}

}  // namespace ondi::server
