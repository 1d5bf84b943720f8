#include "routes/AuthSessionRoutes.h"

#include "accounts/AccountJson.h"
#include "accounts/AccountServices.h"
#include "accounts/AgentProfiles.h"
#include "auth/SessionCookie.h"
#include "auth/SignedInAccount.h"
#include "http/Router.h"

namespace ondi::server {
namespace {

// Conversations are kept per account by this server and can be resumed.
nlohmann::json conversationHistory() {
  return {{"enabled", true}, {"accountScoped", true}, {"resumable", true}, {"provider", "local"}};
}

Response sessionStatus(AccountServices& services, const Request& request) {
  const auto account = signedInAccount(services, request);
  if (!account) {
    return Response::json(
        200, {{"authenticated", false}, {"authProviders", authProvidersJson(services.settings)}});
  }
  nlohmann::json user = desktopAuthUser(*account);
  if (auto preferences = services.preferences.load(account->id)) {
    user["desktopPreferences"] = *std::move(preferences);
  }
  return Response::json(
      200, {{"authenticated", true},
            {"guest", false},
            {"user", std::move(user)},
            {"authProviders", authProvidersJson(services.settings)},
            {"agentInstructions", agentProfilesJson(services.instructions.load(account->id))},
            {"conversationHistory", conversationHistory()}});
}

Response signOut(AccountServices& services, const Request& request) {
  if (const auto token = sessionToken(request)) services.sessions.end(*token);
  Response response = Response::json(200, {{"ok", true}});
  response.headers.emplace_back("Set-Cookie", expiredSessionCookie(request));
  return response;
}

}  // namespace

void addAuthSessionRoutes(Router& router, AccountServices& services) {
  router.add("GET", "/api/auth/session",
             [&services](const Request& request) { return sessionStatus(services, request); });
  router.add("POST", "/api/auth/sign-out",
             [&services](const Request& request) { return signOut(services, request); });
}

}  // namespace ondi::server
