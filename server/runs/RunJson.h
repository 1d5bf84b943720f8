#pragma once

#include <cstdint>

#include <nlohmann/json.hpp>

#include "http/Request.h"
#include "runs/BrowserRun.h"
#include "runs/RunnerSession.h"

namespace ondi::server {

inline constexpr char kCloudAgentDefinition[] = "cloud-agent";

// The simulated browser a stored run drives.
RunnerSession runnerSession(const BrowserRun& run);

// The run as the run list shows it: id, definition, status ("running" while its browser session is
// open, else "stopped"), createdAt, updatedAt (when its session last started), input.objective and
// liveSession (provider, frameMode, sessionId, status, pageTitle, pageUrl, controlUrl, updatedAt,
// and for Daytona runs snapshotUrl and sandboxId).
nlohmann::json runSummaryJson(const BrowserRun& run, const Request& request, std::int64_t now);

// What the session shows now: for a browser-runner session the address of its live control page
// (frameMode "live-url", liveViewUrl, url, status); for a Daytona session a screenshot. A closed
// session answers "ok": false with its status and an error.
nlohmann::json liveContentJson(const RunnerSession& session, const Request& request,
                               std::int64_t now);

// A screenshot of the session now: frameMode "screenshot", screenshot (a PNG data URL),
// capturedAt, url and status; "ok": false once the session has closed.
nlohmann::json snapshotJson(const RunnerSession& session, std::int64_t now);

}  // namespace ondi::server
