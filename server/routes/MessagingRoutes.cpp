#include "routes/MessagingRoutes.h"

#include <string>

#include "accounts/AccountServices.h"
#include "auth/SignedInAccount.h"
#include "http/JsonBody.h"
#include "http/Router.h"
#include "messaging/ConnectPages.h"
#include "messaging/MessagingServices.h"
#include "messaging/RelayAddress.h"
#include "messaging/RouteCode.h"

namespace ondi::server {
namespace {

constexpr std::string_view kSignIn = "Sign in from the Agent workspace first";
constexpr std::string_view kNoRelay = "Configure the shared iMessage relay address";
constexpr std::string_view kConnectPath = "/messaging/connect";
// The agent every route reaches, and its name in Messages.
constexpr std::string_view kAgentId = "main";
constexpr std::string_view kAgentName = "TELVORIX";

nlohmann::json routeJson(const MessagingServices& messaging,
                         const MessagingRouteStore::Route& route) {
  const std::string connectUrl =
      messaging.serviceOrigin + std::string(kConnectPath) + "?code=" + route.code;
  return {{"id", route.id},
          {"code", route.code},
          {"recipient", messaging.relayAddress},
          {"maskedDestination", maskedRelayAddress(messaging.relayAddress)},
          {"agent", {{"id", kAgentId}, {"name", kAgentName}}},
          {"connectUrl", connectUrl},
          {"qrPayload", connectUrl},
          {"channel", "imessage"},
          {"transport", "imessage"}};
}

// The route after the change asked for, or why there is none.
template <typename Change>
Response answerRoute(AccountServices& services, MessagingServices& messaging,
                     const Request& request, Change change) {
  const auto account = signedInAccount(services, request);
  if (!account) return Response::error(401, kSignIn);
  if (!jsonObjectBody(request)) {
    return Response::error(400, "The request body must be a JSON object.");
  }
  if (messaging.relayAddress.empty()) return Response::error(503, kNoRelay);
  return Response::json(200, {{"ok", true}, {"route", routeJson(messaging, change(account->id))}});
}

Response connectPage(MessagingServices& messaging, const Request& request) {
  const std::string code = normalizedRouteCode(request.queryItem("code").value_or(""));
  if (messaging.relayAddress.empty() || !messaging.routes.isCurrentCode(code)) {
    return Response::page(404, messagingCodeUnknownPage());
  }
  return Response::page(200, messagingConnectPage(kAgentName, code, messaging.relayAddress));
}

}  // namespace

void addMessagingRoutes(Router& router, AccountServices& services, MessagingServices& messaging) {
  router.add("GET", "/api/messaging/route", [&services, &messaging](const Request& request) {
    return answerRoute(services, messaging, request, [&messaging](const std::string& accountId) {
      return messaging.routes.routeFor(accountId);
    });
  });
  router.add("POST", "/api/messaging/route/rotate",
             [&services, &messaging](const Request& request) {
               return answerRoute(services, messaging, request,
                                  [&messaging](const std::string& accountId) {
                                    return messaging.routes.rotate(accountId);
                                  });
             });
  router.add("GET", kConnectPath,
             [&messaging](const Request& request) { return connectPage(messaging, request); });
}

}  // namespace ondi::server
