#include "auth/SignedInAccount.h"

#include "accounts/AccountJson.h"
#include "auth/SessionCookie.h"

namespace ondi::server {

std::optional<Account> signedInAccount(AccountServices& services, const Request& request) {
  const auto token = sessionToken(request);
  if (!token || token->empty()) return std::nullopt;
  const auto accountId = services.sessions.accountFor(*token);
  if (!accountId) return std::nullopt;
  return services.accounts.findById(*accountId);
}

Response signInAnswer(AccountServices& services, const Account& account, const Request& request) {
  const std::string token = services.sessions.start(account.id);
  Response response =
      Response::json(200, {{"ok", true},
                           {"authenticated", true},
                           {"user", desktopAuthUser(account)},
                           {"authProviders", authProvidersJson(services.settings)}});
  response.headers.emplace_back("Set-Cookie", sessionCookie(token, request));
  return response;
}

}  // namespace ondi::server
