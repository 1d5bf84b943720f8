#include "routes/BrowserRunnerRoutes.h"

#include "ServiceClock.h"
#include "accounts/AccountServices.h"
#include "auth/SignedInAccount.h"
#include "http/Router.h"
#include "runs/ControlPage.h"
#include "runs/RunJson.h"
#include "runs/RunServices.h"
#include "runs/RunnerPages.h"
#include "runs/SessionUuid.h"

namespace ondi::server {
namespace {

Response controlPage(AccountServices& accounts, RunServices& runs, const Request& request) {
  const auto sessionId = canonicalSessionUuid(request.pathParameters.at("session"));
  if (!sessionId) return runnerNotFoundPage();
  const std::int64_t now = runs.clock.now();
  if (const auto demo = runs.demos.findBySession(*sessionId)) {
    return controlPage(demo->session, now);
  }
  const auto owned = runs.runs.findBySession(*sessionId);
  if (!owned) return runnerNotFoundPage();
  const auto account = signedInAccount(accounts, request);
  if (!account) return runnerSignInPage();
  if (account->id != owned->accountId) return runnerNotFoundPage();
  return controlPage(runnerSession(owned->run), now);
}

}  // namespace

void addBrowserRunnerRoutes(Router& router, AccountServices& accounts, RunServices& runs) {
  router.add("GET", "/v1/sessions/{session}/control", [&accounts, &runs](const Request& request) {
    return controlPage(accounts, runs, request);
  });
}

}  // namespace ondi::server
