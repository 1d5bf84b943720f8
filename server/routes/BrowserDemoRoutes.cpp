#include "routes/BrowserDemoRoutes.h"

#include <string>

#include "ServiceClock.h"
#include "http/JsonBody.h"
#include "http/Router.h"
#include "runs/RunJson.h"
#include "runs/RunServices.h"

namespace ondi::server {
namespace {

Response demoEnded() {
  return Response::error(404, "The browser demo has ended. Start it again to watch it.");
}

Response startDemo(RunServices& runs, const Request& request) {
  const auto body = jsonObjectBody(request);
  if (!body) return Response::error(400, "The request body must be a JSON object.");
  const std::string provider =
      stringMember(*body, "provider").value_or(std::string(kBrowserRunnerProvider));
  if (provider != kBrowserRunnerProvider && provider != kDaytonaProvider) {
    return Response::error(400, "The provider must be \"browser-runner\" or \"daytona\".");
  }
  const GuestDemos::Demo* demo = runs.demos.start(provider, request.clientAddress);
  if (demo == nullptr) {
    return Response::error(429, "Too many browser demos are running. Try again in a few minutes.");
  }
  return Response::json(200,
                        {{"ok", true},
                         {"demoId", demo->id},
                         {"sessionId", demo->session.sessionId},
                         {"provider", demo->session.provider},
                         {"frameMode", provider == kDaytonaProvider ? "screenshot" : "live-url"}});
}

Response demoLive(RunServices& runs, const Request& request) {
  const auto demo = runs.demos.find(request.pathParameters.at("id"));
  if (!demo) return demoEnded();
  return Response::json(200, liveContentJson(demo->session, request, runs.clock.now()));
}

Response demoSnapshot(RunServices& runs, const Request& request) {
  const auto demo = runs.demos.find(request.pathParameters.at("id"));
  if (!demo) return demoEnded();
  return Response::json(200, snapshotJson(demo->session, runs.clock.now()));
}

}  // namespace

void addBrowserDemoRoutes(Router& router, RunServices& runs) {
  router.add("POST", "/api/browser/demo",
             [&runs](const Request& request) { return startDemo(runs, request); });
  router.add("GET", "/api/browser/demo/{id}/live",
             [&runs](const Request& request) { return demoLive(runs, request); });
  router.add("GET", "/api/browser/demo/{id}/snapshot",
             [&runs](const Request& request) { return demoSnapshot(runs, request); });
}

}  // namespace ondi::server
