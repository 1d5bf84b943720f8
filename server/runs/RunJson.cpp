#include "runs/RunJson.h"

#include "agent/IsoTime.h"
#include "runs/DesktopFrame.h"
#include "runs/RunnerAddress.h"

namespace ondi::server {
namespace {

constexpr char kSessionEnded[] = "The browser session has ended. Start it again to keep watching.";
constexpr char kClosed[] = "closed";
constexpr std::size_t kSandboxIdCharacters = 8;

bool isDaytona(const RunnerSession& session) {
  return session.provider == kDaytonaProvider;
}

std::string frameMode(const RunnerSession& session) {
  return isDaytona(session) ? "screenshot" : "live-url";
}

nlohmann::json sessionHeader(const RunnerSession& session, const RunnerMoment& moment) {
  return {{"ok", moment.status != kClosed},
          {"provider", session.provider},
          {"frameMode", frameMode(session)},
          {"sessionId", session.sessionId},
          {"status", moment.status}};
}

nlohmann::json liveSessionJson(const BrowserRun& run, const RunnerSession& session,
                               const Request& request, std::int64_t now) {
  const RunnerMoment moment = momentAt(session, now);
  nlohmann::json live = {{"provider", session.provider},
                         {"frameMode", frameMode(session)},
                         {"sessionId", session.sessionId},
                         {"status", moment.status},
                         {"pageTitle", moment.page.title},
                         {"pageUrl", moment.page.url},
                         {"controlUrl", controlPageUrl(request, session.sessionId)},
                         {"updatedAt", isoTime(run.sessionStartedAt)}};
  if (isDaytona(session)) {
    live["snapshotUrl"] = "/api/platform/workflows/" + run.id + "/browser-snapshot";
    live["sandboxId"] = "sbx_" + session.sessionId.substr(0, kSandboxIdCharacters);
  }
  return live;
}

}  // namespace

RunnerSession runnerSession(const BrowserRun& run) {
  return RunnerSession{.sessionId = run.sessionId,
                       .provider = run.provider,
                       .title = run.objective,
                       .itinerary = objectiveItinerary(run.objective),
                       .startedAt = run.sessionStartedAt};
}

nlohmann::json runSummaryJson(const BrowserRun& run, const Request& request, std::int64_t now) {
  const RunnerSession session = runnerSession(run);
  const bool open = momentAt(session, now).status != kClosed;
  return {{"id", run.id},
          {"definition", kCloudAgentDefinition},
          {"status", open ? "running" : "stopped"},
          {"createdAt", isoTime(run.createdAt)},
          {"updatedAt", isoTime(run.sessionStartedAt)},
          {"input", {{"objective", run.objective}}},
          {"liveSession", liveSessionJson(run, session, request, now)}};
}

nlohmann::json liveContentJson(const RunnerSession& session, const Request& request,
                               std::int64_t now) {
  if (isDaytona(session)) return snapshotJson(session, now);
  const RunnerMoment moment = momentAt(session, now);
  nlohmann::json content = sessionHeader(session, moment);
  if (moment.status == kClosed) {
    content["error"] = kSessionEnded;
    return content;
  }
  content["liveViewUrl"] = controlPageUrl(request, session.sessionId);
  content["url"] = moment.page.url;
  return content;
}

nlohmann::json snapshotJson(const RunnerSession& session, std::int64_t now) {
  const RunnerMoment moment = momentAt(session, now);
  nlohmann::json content = sessionHeader(session, moment);
  content["frameMode"] = "screenshot";
  if (moment.status == kClosed) {
    content["error"] = kSessionEnded;
    return content;
  }
  content["screenshot"] = desktopFrameDataUrl(session, moment);
  content["capturedAt"] = isoTime(now);
  content["url"] = moment.page.url;
  return content;
}

}  // namespace ondi::server
