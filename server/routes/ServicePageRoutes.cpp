#include "routes/ServicePageRoutes.h"

#include <string>

#include "accounts/AccountServices.h"
#include "auth/ReturnPath.h"
#include "auth/SignedInAccount.h"
#include "connectors/ConnectionStore.h"
#include "connectors/ConnectorPages.h"
#include "http/HtmlPage.h"
#include "http/Router.h"
#include "pages/AccountPage.h"
#include "pages/AuthPage.h"
#include "pages/BillingPage.h"
#include "pages/OperatorPage.h"
#include "pages/ServiceViews.h"
#include "pages/VoiceConsolePage.h"

namespace ondi::server {
namespace {

Response notFoundPage(std::string_view what) {
  return Response::page(404, htmlDocument("Page not found",
                                          "<h1>This page does not exist</h1>\n"
                                          "<p>" +
                                              escapeHtml(what) + "</p>"));
}

// The connected apps, billing and voice surfaces have pages of their own; the operator page
// stands in for the others ("messaging").
Response agentPage(AccountServices& services, ConnectionStore& connections,
                   const Request& request) {
  const std::string surface = request.queryItem("surface").value_or("");
  if (surface == "connectors") {
    const auto account = signedInAccount(services, request);
    return Response::page(200, connectorsPage(account, account ? connections.states(account->id)
                                                               : ConnectionStore::States{}));
  }
  if (surface == "billing")
    return Response::page(200, billingPage(signedInAccount(services, request)));
  if (surface == "voice") {
    static const Response console =
        Response::page(200, voiceConsoleHtml(), inlineScriptsOf(voiceConsoleHtml()));
    return console;
  }
  static const Response page =
      Response::page(200, operatorPageHtml(), inlineScriptsOf(operatorPageHtml()));
  return page;
}

Response viewPage(AccountServices& services, const Request& request) {
  const std::string view = request.queryItem("view").value_or("");
  if (view == "account")
    return Response::page(200, accountPage(signedInAccount(services, request)));
  if (auto page = serviceViewPage(view)) return Response::page(200, *std::move(page));
  return notFoundPage("There is no page for the view \"" + view + "\".");
}

Response verificationPage(AccountServices& services, const std::string& token) {
  const auto signUp = token.empty() ? std::nullopt : services.verifications.find(token);
  const auto account = signUp ? services.accounts.findById(signUp->accountId) : std::nullopt;
  if (!account) return Response::page(400, verificationInvalidPage());
  return Response::page(200, verificationConfirmPage(token, account->email, signUp->name));
}

Response authHtml(AccountServices& services, const Request& request) {
  const std::string mode = request.queryItem("mode").value_or("sign-in");
  if (mode == "verify-email") {
    return verificationPage(services, request.queryItem("token").value_or(""));
  }
  std::string returnTo = request.queryItem("returnTo").value_or("");
  if (!isLocalPath(returnTo)) returnTo.clear();
  return Response::page(200, authPage(mode, returnTo, signedInAccount(services, request)),
                        {authPageScript()});
}

}  // namespace

void addServicePageRoutes(Router& router, AccountServices& services, ConnectionStore& connections) {
  router.add("GET", "/agent.html", [&services, &connections](const Request& request) {
    return agentPage(services, connections, request);
  });
  router.add("GET", "/page.html",
             [&services](const Request& request) { return viewPage(services, request); });
  router.add("GET", "/auth.html",
             [&services](const Request& request) { return authHtml(services, request); });
}

}  // namespace ondi::server
