#include "core/browser/BrowserTabs.h"
#include "core/monitor/DaytonaMonitorStore.h"
#include "core/shell/ShellController.h"

#include <gtest/gtest.h>

#include "AccountFixture.h"

namespace ondi {
namespace {

constexpr const char* kQueryURL = "https://ondi.example/api/platform/query";
constexpr const char* kControl = "/v1/sessions/123e4567-e89b-42d3-a456-426614174000/control";
// The PNG signature, which the fake decoder takes for an image.
constexpr const char* kPNGBase64 = "iVBORw0KGgo=";

nlohmann::json run(const std::string& id, const std::string& updatedAt,
                   const std::string& provider = "browser-runner") {
  return {{"id", id},
          {"definition", "cloud-agent"},
          {"updatedAt", updatedAt},
          {"input", {{"objective", "Objective of " + id}}},
          {"liveSession", {{"provider", provider}, {"sessionId", "session-" + id}}}};
}

nlohmann::json listing(const std::vector<nlohmann::json>& runs) {
  return {{"ok", true}, {"result", runs}};
}

nlohmann::json liveView(const std::string& sessionID, const std::string& url = kControl) {
  return {
      {"ok", true}, {"provider", "browser-runner"}, {"sessionId", sessionID}, {"liveViewUrl", url}};
}

class DaytonaMonitorStoreTest : public AccountFixture {
 protected:
  DaytonaMonitorStoreTest() { answer(200, signedIn("account-1")); }

  DaytonaMonitorStore& monitor() { return model.monitor(); }
  ConnectionState::Kind state() { return monitor().connectionState.get().kind(); }
  // The requests sent once every posted task ran (cookies are read before each request).
  std::size_t sent() {
    platform.scheduler.runUntilIdle();
    return requestCount();
  }
  const std::string& lastURL() {
    platform.scheduler.runUntilIdle();
    return lastRequest().url;
  }
  void tick() { platform.scheduler.advance(DaytonaMonitorStore::kPollingInterval); }

  // Shows the monitor and answers its first round with `runs` and the live view of the
  // chosen run's session.
  void showLive(const std::vector<nlohmann::json>& runs, const std::string& sessionID) {
    monitor().setMonitorShown(true);
    answer(200, listing(runs));
    answer(200, liveView(sessionID));
  }
};

TEST_F(DaytonaMonitorStoreTest, RoundsListRunsShowTheLiveViewAndNeverOverlap) {
  monitor().setMonitorShown(true);
  ASSERT_EQ(lastURL(), kQueryURL);
  EXPECT_EQ(nlohmann::json::parse(*lastRequest().body),
            (nlohmann::json{{"name", "workflows.list"}, {"args", {{"limit", 100}}}}));
  const std::size_t afterFirst = sent();
  tick();
  tick();
  EXPECT_EQ(sent(), afterFirst) << "a round started while the first waits";
  EXPECT_TRUE(monitor().isRequestInFlight());

  // The newest run with a browser session wins over a newer run without one.
  answer(200, listing({run("old", "2025-01-01T00:00:00Z"),
                       {{"id", "bare"}, {"updatedAt", "2025-03-01T00:00:00Z"}},
                       run("new", "2025-02-01T00:00:00Z")}));
  EXPECT_EQ(monitor().selectedRun.get()->id, "new");
  EXPECT_EQ(lastURL(), "https://ondi.example/api/platform/workflows/new/browser-live");
  answer(200, liveView("session-new"));
  EXPECT_EQ(state(), ConnectionState::Kind::live);
  EXPECT_EQ(monitor().liveViewURL.get(), std::string("https://ondi.example") + kControl);
  EXPECT_EQ(monitor().runTitle(), "Objective of new");
  EXPECT_EQ(monitor().statusBadge(), "LIVE");

  // The next round keeps the view of the same session without asking for it again.
  const std::size_t beforeSecond = sent();
  tick();
  answer(200, listing({run("new", "2025-02-01T00:00:00Z")}));
  EXPECT_EQ(sent(), beforeSecond + 1);
  EXPECT_FALSE(monitor().isRequestInFlight());
}

TEST_F(DaytonaMonitorStoreTest, AHandOffIsFollowedOnceListedAndWaitsWhileTheMonitorIsHidden) {
  const std::size_t before = sent();
  ASSERT_TRUE(model.openManagedBrowserWorkflow("run-b", "Managed browser"));
  EXPECT_EQ(monitor().followedWorkflowID.get(), "run-b");
  EXPECT_TRUE(model.shell().showInspector().get());
  tick();
  EXPECT_EQ(sent(), before) << "no round for a monitor nobody sees";

  // Until the followed run is listed, the newest browser run is shown.
  monitor().setMonitorShown(true);
  answer(200, listing({run("run-a", "2025-02-01T00:00:00Z")}));
  EXPECT_EQ(monitor().selectedRun.get()->id, "run-a");
  answer(200, liveView("session-run-a"));
  tick();
  answer(200, listing({run("run-a", "2025-02-01T00:00:00Z"),
                       run("run-b", "2025-01-01T00:00:00Z", "daytona")}));
  EXPECT_EQ(monitor().selectedRun.get()->id, "run-b");
  EXPECT_EQ(lastURL(), "https://ondi.example/api/platform/workflows/run-b/browser-snapshot");
  answer(200, {{"ok", true},
               {"screenshot", std::string("data:image/png;base64,") + kPNGBase64},
               {"capturedAt", "2025-01-02T03:04:05Z"}});
  EXPECT_EQ(state(), ConnectionState::Kind::live);
  EXPECT_TRUE(monitor().frame.get());
  EXPECT_FALSE(monitor().liveViewURL.get());
  EXPECT_TRUE(monitor().capturedAt.get());

  // Hidden again: no rounds; shown: one at once.
  monitor().setMonitorShown(false);
  const std::size_t hidden = sent();
  tick();
  tick();
  EXPECT_EQ(sent(), hidden);
  monitor().setMonitorShown(true);
  EXPECT_EQ(sent(), hidden + 1);
}

TEST_F(DaytonaMonitorStoreTest, PausingStopsRequestsAndResumingIgnoresTheCachedView) {
  showLive({run("run-a", "2025-02-01T00:00:00Z")}, "session-run-a");
  EXPECT_FALSE(monitor().canPause()) << "a live view streams by itself";
  monitor().toggleWatching();
  EXPECT_EQ(monitor().emptyStateText(), "Live updates are paused.");
  EXPECT_TRUE(monitor().canPause());
  const std::size_t paused = sent();
  for (int i = 0; i < 5; ++i) tick();
  monitor().refresh(true);
  EXPECT_EQ(sent(), paused);

  monitor().toggleWatching();
  EXPECT_EQ(state(), ConnectionState::Kind::discovering);
  EXPECT_EQ(lastURL(), kQueryURL);
  answer(200, listing({run("run-a", "2025-02-01T00:00:00Z")}));
  EXPECT_EQ(lastURL(), "https://ondi.example/api/platform/workflows/run-a/browser-live");
}

TEST_F(DaytonaMonitorStoreTest, ARefusedSessionAsksForSignInAndStopsRounds) {
  showLive({run("run-a", "2025-02-01T00:00:00Z")}, "session-run-a");
  tick();
  answer(401, {{"error", "Unauthorized"}});
  EXPECT_EQ(state(), ConnectionState::Kind::signInRequired);
  EXPECT_FALSE(monitor().selectedRun.get());
  EXPECT_FALSE(monitor().liveViewURL.get());
  EXPECT_EQ(lastURL(), kSessionPath);
  answer(200, {{"authenticated", false}});
  EXPECT_EQ(monitor().emptyStateText(), "Sign in to view private browser sessions.");
  const std::size_t signedOut = sent();
  tick();
  tick();
  EXPECT_EQ(sent(), signedOut);

  // Signing in again refreshes at once.
  confirm("account-1");
  EXPECT_EQ(state(), ConnectionState::Kind::discovering);
  EXPECT_EQ(lastURL(), kQueryURL);
}

TEST_F(DaytonaMonitorStoreTest, ContentThatCannotBeShownFailsTheRoundAndTheNextOneHeals) {
  monitor().setMonitorShown(true);
  answer(200, listing({run("run-a", "2025-02-01T00:00:00Z")}));
  answer(200, liveView("session-run-a", "https://evil.example/v1/sessions/x/control"));
  EXPECT_EQ(monitor().connectionState.get(),
            ConnectionState::failed("The live browser returned an invalid viewing URL."));
  EXPECT_FALSE(monitor().liveViewURL.get());

  tick();
  answer(200, listing({run("run-a", "2025-02-01T00:00:00Z", "daytona")}));
  answer(200, {{"ok", true}, {"screenshot", "bm90IGFuIGltYWdl"}});
  EXPECT_EQ(monitor().emptyStateText(), "The browser returned an invalid desktop frame.");

  tick();
  answer(200, listing({run("run-a", "2025-02-01T00:00:00Z", "daytona")}));
  answer(503, {{"ok", false}});
  EXPECT_EQ(monitor().emptyStateText(), "Live browser returned HTTP 503.");

  tick();
  answer(200, {{"ok", false}, {"error", "Platform offline."}});
  EXPECT_EQ(monitor().emptyStateText(), "Platform offline.");

  tick();
  answer(200, listing({}));
  EXPECT_EQ(state(), ConnectionState::Kind::waiting);
  EXPECT_EQ(monitor().runTitle(), "Live browser");
}

TEST_F(DaytonaMonitorStoreTest, TheGuestDemoShowsItsFramesAndReportsFailedTabs) {
  monitor().setMonitorShown(true);
  answer(200, listing({}));
  monitor().runGuestDemo();
  EXPECT_TRUE(monitor().isBusy.get());
  EXPECT_EQ(lastURL(), "https://ondi.example/api/browser/demo");
  answer(200, {{"ok", true}, {"demoId", "demo-1"}, {"provider", "daytona"}});
  EXPECT_EQ(monitor().demoStatus.get(), "opening");
  EXPECT_EQ(monitor().pageLabel(), "Guest browser demo · no login");
  EXPECT_EQ(lastURL(), "https://ondi.example/api/browser/demo/demo-1/snapshot");
  answer(200, {{"ok", true}, {"status", "Running"}, {"screenshot", kPNGBase64}});
  EXPECT_EQ(monitor().demoStatus.get(), "running");
  EXPECT_TRUE(monitor().frame.get());
  EXPECT_TRUE(monitor().canPause());
  EXPECT_FALSE(monitor().canTakeControl());

  tick();
  answer(200, {{"ok", true}, {"status", "failed"}});
  EXPECT_EQ(monitor().connectionState.get(),
            ConnectionState::failed("The browser demo could not open its tabs."));

  // A demo that does not start says so.
  model.openManagedBrowserWorkflow("run-z", "Managed browser");
  EXPECT_FALSE(monitor().isDemoRunning());
  answer(200, listing({}));
  monitor().runGuestDemo();
  answer(500, {{"ok", false}});
  EXPECT_EQ(monitor().emptyStateText(), "Could not start the browser demo.");
}

TEST_F(DaytonaMonitorStoreTest, ControlAndStartActOnTheSelectedRun) {
  EXPECT_FALSE(monitor().canTakeControl());
  showLive({run("run-a", "2025-02-01T00:00:00Z")}, "session-run-a");
  ASSERT_TRUE(monitor().canTakeControl());
  monitor().takeControl();
  EXPECT_EQ(model.tabs.selectedSession().requestedURL,
            "https://ondi.example/api/platform/workflows/run-a/browser-control");
  EXPECT_EQ(model.tabs.browserTabs.get().back().title, "Live browser");
  EXPECT_TRUE(monitor().isControlOpen());
  EXPECT_EQ(monitor().statusBadge(), "FOCUSED");

  monitor().startDesktop();
  EXPECT_EQ(lastURL(), "https://ondi.example/api/platform/workflows/run-a/browser-session");
  EXPECT_EQ(lastRequest().method, "POST");
  answer(204, nullptr);
  EXPECT_FALSE(monitor().isBusy.get());
  EXPECT_EQ(lastURL(), kQueryURL) << "a started session is shown at once";
}

}  // namespace
}  // namespace ondi
