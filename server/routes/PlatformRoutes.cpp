#include "routes/PlatformRoutes.h"

#include <string>

#include "ServiceClock.h"
#include "accounts/AccountServices.h"
#include "auth/SignedInAccount.h"
#include "http/JsonBody.h"
#include "http/Router.h"
#include "runs/ControlPage.h"
#include "runs/RunJson.h"
#include "runs/RunServices.h"
#include "runs/RunnerAddress.h"
#include "runs/RunnerPages.h"

namespace ondi::server {
namespace {

constexpr char kListQuery[] = "workflows.list";
constexpr int kMaxListLimit = 100;

Response signedOut() {
  return Response::error(401, "Sign in to view your browser runs.");
}

Response unknownRun() {
  return Response::error(404, "You have no browser run with that id.");
}

std::optional<int> listLimit(const nlohmann::json& query) {
  const auto args = query.find("args");
  if (args == query.end()) return kMaxListLimit;
  if (!args->is_object()) return std::nullopt;
  const auto limit = args->find("limit");
  if (limit == args->end()) return kMaxListLimit;
  if (!limit->is_number_integer()) return std::nullopt;
  const auto value = limit->get<std::int64_t>();
  if (value < 1 || value > kMaxListLimit) return std::nullopt;
  return static_cast<int>(value);
}

Response query(AccountServices& accounts, RunServices& runs, const Request& request) {
  const auto account = signedInAccount(accounts, request);
  if (!account) return signedOut();
  const auto body = jsonObjectBody(request);
  if (!body) return Response::error(400, "The request body must be a JSON object.");
  if (stringMember(*body, "name") != kListQuery) {
    return Response::error(400, "The only query is \"workflows.list\".");
  }
  const auto limit = listLimit(*body);
  if (!limit) return Response::error(400, "The limit must be a whole number from 1 to 100.");
  nlohmann::json result = nlohmann::json::array();
  const std::int64_t now = runs.clock.now();
  for (const BrowserRun& run : runs.runs.newestFirst(account->id, *limit)) {
    result.push_back(runSummaryJson(run, request, now));
  }
  return Response::json(200, {{"ok", true}, {"result", std::move(result)}});
}

// Answers the handler's response for the account's run named in the path, or 401 or 404.
template <typename Answer>
Response withRun(AccountServices& accounts, RunServices& runs, const Request& request,
                 Answer answer) {
  const auto account = signedInAccount(accounts, request);
  if (!account) return signedOut();
  const auto run = runs.runs.find(account->id, request.pathParameters.at("id"));
  if (!run) return unknownRun();
  return answer(*account, *run);
}

// The run's session as it is after opening it again when it had closed.
RunnerSession openSession(RunServices& runs, const std::string& accountId, const BrowserRun& run) {
  if (momentAt(runnerSession(run), runs.clock.now()).status == "closed") {
    runs.runs.restartSession(accountId, run.id);
    return runnerSession(*runs.runs.find(accountId, run.id));
  }
  return runnerSession(run);
}

Response liveContent(RunServices& runs, const Request& request, const BrowserRun& run) {
  return Response::json(200, liveContentJson(runnerSession(run), request, runs.clock.now()));
}

Response snapshot(RunServices& runs, const BrowserRun& run) {
  return Response::json(200, snapshotJson(runnerSession(run), runs.clock.now()));
}

Response startSession(RunServices& runs, const Account& account, const BrowserRun& run) {
  const RunnerSession session = openSession(runs, account.id, run);
  return Response::json(200, {{"ok", true},
                              {"provider", session.provider},
                              {"sessionId", session.sessionId},
                              {"status", momentAt(session, runs.clock.now()).status}});
}

Response takeControl(RunServices& runs, const Request& request, const Account& account,
                     const BrowserRun& run) {
  const RunnerSession session = openSession(runs, account.id, run);
  return Response::json(200, {{"ok", true},
                              {"sessionId", session.sessionId},
                              {"controlUrl", controlPageUrl(request, session.sessionId)},
                              {"status", momentAt(session, runs.clock.now()).status}});
}

Response controlPage(AccountServices& accounts, RunServices& runs, const Request& request) {
  const auto account = signedInAccount(accounts, request);
  if (!account) return runnerSignInPage();
  const auto run = runs.runs.find(account->id, request.pathParameters.at("id"));
  if (!run) return runnerNotFoundPage();
  return controlPage(runnerSession(*run), runs.clock.now());
}

}  // namespace

void addPlatformRoutes(Router& router, AccountServices& accounts, RunServices& runs) {
  router.add("POST", "/api/platform/query",
             [&accounts, &runs](const Request& request) { return query(accounts, runs, request); });
  const std::string workflow = "/api/platform/workflows/{id}/";
  router.add("GET", workflow + "browser-live", [&accounts, &runs](const Request& request) {
    return withRun(accounts, runs, request, [&](const Account&, const BrowserRun& run) {
      return liveContent(runs, request, run);
    });
  });
  router.add("GET", workflow + "browser-snapshot", [&accounts, &runs](const Request& request) {
    return withRun(accounts, runs, request,
                   [&](const Account&, const BrowserRun& run) { return snapshot(runs, run); });
  });
  router.add("POST", workflow + "browser-session", [&accounts, &runs](const Request& request) {
    return withRun(accounts, runs, request, [&](const Account& account, const BrowserRun& run) {
      return startSession(runs, account, run);
    });
  });
  router.add("POST", workflow + "browser-control", [&accounts, &runs](const Request& request) {
    return withRun(accounts, runs, request, [&](const Account& account, const BrowserRun& run) {
      return takeControl(runs, request, account, run);
    });
  });
  router.add("GET", workflow + "browser-control", [&accounts, &runs](const Request& request) {
    return controlPage(accounts, runs, request);
  });
}

}  // namespace ondi::server
