#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>

#include "AccountFixture.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/origin/ServiceOrigin.h"
#include "core/ports/WebView.h"
#include "core/script/SurfaceResources.h"
#include "core/voice/RealtimeAgentURL.h"
#include "core/voice/RealtimeVoiceSession.h"
#include "fakes/FakeWebView.h"

namespace ondi {
namespace {

using std::chrono::milliseconds;
using ::testing::ElementsAre;
using StartResult = RealtimeVoiceControl::StartResult;

const ServiceOrigin kOrigin{"https://ondi.example", "ondi.example"};
constexpr const char* kConsole =
    "https://ondi.example/agent.html?source=mac_app&desktop=1&surface=voice";
constexpr const char* kStartPrefix = "  var huddleConfig = ";

TEST(RealtimeAgentURLTest, TheEnvironmentChoosesAWebPageAndKeepsItsOwnQueryItems) {
  const std::string base = "https://ondi.example/agent.html?source=mac_app";
  EXPECT_EQ(realtimeAgentURL(std::nullopt, base, kOrigin), kConsole);
  // An existing item keeps its value, in any spelling of its name; the others are added after.
  EXPECT_EQ(realtimeAgentURL(" https://voice.example/console?surface=studio#top\n", base, kOrigin),
            "https://voice.example/console?surface=studio&source=mac_app&desktop=1#top");
  EXPECT_EQ(realtimeAgentURL("https://voice.example/c?sour%63e=web&desktop", base, kOrigin),
            "https://voice.example/c?source=web&desktop&surface=voice");
  // Blank, relative and non-web values leave the service's console in place.
  for (const std::string configured :
       {"   ", "\n\t", "console.html", "javascript:alert(1)", "file:///etc/passwd"}) {
    EXPECT_EQ(realtimeAgentURL(configured, base, kOrigin), kConsole) << configured;
  }
  EXPECT_EQ(realtimeAgentURL(std::nullopt, "not an address", kOrigin), kConsole);
}

// The model on fake ports, signed in, its surface a fake page that answers on demand.
class RealtimeVoiceSessionTest : public AccountFixture {
 protected:
  RealtimeVoiceSessionTest() { confirm("user-1"); }

  fakes::FakeWebView& page() { return static_cast<fakes::FakeWebView&>(model.surfaceWebView()); }
  RealtimeVoiceSession& voice() { return model.realtimeVoice(); }
  std::size_t startRuns() {
    return std::ranges::count_if(page().asyncFunctionBodies, [](const std::string& body) {
      return body.starts_with(kStartPrefix);
    });
  }
  // Starts with `huddle`; the result lands in `result`.
  void start(std::optional<HuddleConfiguration> huddle = std::nullopt) {
    voice().startRealtimeVoiceSession(std::move(huddle), [this](StartResult r) {
      ++completions;
      result = std::move(r);
    });
  }
  // The console is on screen, loaded and idle.
  void showLoadedConsole() {
    model.load(VelmoraRoute::voice());
    page().state.isLoading = false;
    platform.scheduler.runUntilIdle();
  }
  bool answerStart(ScriptResult answer) { return page().answer(kStartPrefix, std::move(answer)); }
  std::string failure() const { return result && !*result ? result->error().description() : ""; }

  int completions = 0;
  std::optional<StartResult> result;
};

TEST_F(RealtimeVoiceSessionTest, EveryWayToTheVoiceRouteLoadsTheConsoleFreshFromTheServer) {
  platform.environment.values[kRealtimeAgentURLVariable] = "https://voice.example/console";
  model.load(VelmoraRoute::agent());
  model.load(VelmoraRoute::voice());
  ASSERT_EQ(page().urlLoads.size(), 1u);
  const auto& load = page().urlLoads.back();
  EXPECT_EQ(load.address, "https://voice.example/console?source=mac_app&desktop=1&surface=voice");
  EXPECT_EQ(load.timeout, milliseconds(30000));
  EXPECT_EQ(load.cachePolicy, LoadCachePolicy::reloadIgnoringLocalAndRemoteCache);
  EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::voice());
  EXPECT_EQ(model.navigation.currentURLString.get(), load.address);
  EXPECT_FALSE(model.isShowingDesktopChat());

  voice().openRealtimeVoiceExternal();
  EXPECT_THAT(platform.system.openedURLs, ElementsAre(load.address));
}

TEST_F(RealtimeVoiceSessionTest, TheStartWaitsASecondOnlyForAConsoleThatIsLoading) {
  // From another route the console is loaded first, and the script sent a second later.
  model.load(VelmoraRoute::agent());
  start();
  ASSERT_EQ(page().urlLoads.size(), 1u);
  EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::voice());
  platform.scheduler.advance(milliseconds(999));
  EXPECT_EQ(startRuns(), 0u);
  platform.scheduler.advance(milliseconds(1));
  ASSERT_EQ(startRuns(), 1u);
  EXPECT_TRUE(page().asyncFunctionBodies[0].starts_with("  var huddleConfig = null;"));
  ASSERT_TRUE(answerStart(R"({"ok":true,"connected":true})"));
  EXPECT_EQ(completions, 1);
  EXPECT_TRUE(result && *result);
  // Loaded and idle: at once, without a new load.
  page().state.isLoading = false;
  start();
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(startRuns(), 2u);
  // Still loading: the same second.
  page().state.isLoading = true;
  start();
  platform.scheduler.advance(milliseconds(999));
  EXPECT_EQ(startRuns(), 2u);
  platform.scheduler.advance(milliseconds(1));
  EXPECT_EQ(startRuns(), 3u);
  EXPECT_EQ(page().urlLoads.size(), 1u);
  EXPECT_TRUE(std::ranges::any_of(platform.logger.entries, [](const auto& entry) {
    return entry.category == "voice" && entry.message == "Realtime voice start requested";
  }));
}

TEST_F(RealtimeVoiceSessionTest, AConsoleWithoutTheHuddleIsAskedThreeTimesThenReported) {
  showLoadedConsole();
  start(HuddleConfiguration{HuddleSelectionMode::all, defaultHuddleRoster()});
  platform.scheduler.runUntilIdle();
  const std::string unavailable =
      R"({"ok":false,"connected":false,"code":"huddle_console_unavailable","error":"The multi-agent huddle console is not available on this Ondi server yet."})";
  for (std::size_t run = 1; run <= 3; ++run) {
    ASSERT_EQ(startRuns(), run);
    ASSERT_TRUE(answerStart(unavailable));
    platform.scheduler.advance(milliseconds(649));
    EXPECT_EQ(startRuns(), run);
    platform.scheduler.advance(milliseconds(1));
  }
  EXPECT_EQ(startRuns(), 3u);
  EXPECT_EQ(completions, 1);
  EXPECT_EQ(failure(), "The multi-agent huddle console is not available on this Ondi server yet.");
  // Every attempt carries the same configuration, its keys in the console's order.
  EXPECT_EQ(page().asyncFunctionBodies[0], page().asyncFunctionBodies[2]);
  EXPECT_TRUE(page().asyncFunctionBodies[0].starts_with(
      std::string(kStartPrefix) +
      R"({"mode":"all","participants":[{"id":"main","name":"Main Agent","role":"Facilitates, )"))
      << page().asyncFunctionBodies[0].substr(0, 200);
}

TEST_F(RealtimeVoiceSessionTest, ScriptErrorsAreRetriedAndTheLastOneIsReported) {
  showLoadedConsole();
  start();
  platform.scheduler.runUntilIdle();
  ASSERT_TRUE(answerStart(std::unexpected(std::string("The page went away"))));
  platform.scheduler.advance(milliseconds(650));
  ASSERT_TRUE(answerStart(R"({"code":"console_unavailable"})"));
  platform.scheduler.advance(milliseconds(650));
  ASSERT_TRUE(answerStart(std::unexpected(std::string("ReferenceError: x"))));
  platform.scheduler.advance(milliseconds(5000));
  EXPECT_EQ(startRuns(), 3u);
  EXPECT_EQ(completions, 1);
  EXPECT_EQ(failure(), "ReferenceError: x");
}

TEST_F(RealtimeVoiceSessionTest, AnyOtherAnswerFailsAtOnceWithThePagesErrorOrTheFixedSentence) {
  showLoadedConsole();
  const std::string noConnection = "Realtime voice did not establish a live connection.";
  for (const auto& [answer, expected] : std::vector<std::pair<std::string, std::string>>{
           {R"({"ok":true,"connected":false})", noConnection},
           {R"("connected")", noConnection},
           {"null", noConnection},
           {R"({"ok":false,"code":"startup_timeout","error":"  "})", noConnection},
           {R"({"ok":false,"code":"legacy_connection_failed","error":"Mic blocked"})",
            "Mic blocked"}}) {
    SCOPED_TRACE(answer);
    completions = 0;
    const auto runs = startRuns();
    start();
    platform.scheduler.runUntilIdle();
    ASSERT_TRUE(answerStart(answer));
    platform.scheduler.advance(milliseconds(2000));
    EXPECT_EQ(startRuns(), runs + 1);
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(failure(), expected);
  }
}

TEST_F(RealtimeVoiceSessionTest, WithoutASignedInAccountTheStartFailsAtOnce) {
  account().workspaceSessionState.set(WorkspaceSessionState::signedOut());
  start();
  EXPECT_EQ(completions, 1);
  EXPECT_EQ(failure(), "Sign in to Ondi before starting a realtime call.");
  platform.scheduler.advance(milliseconds(5000));
  EXPECT_EQ(startRuns(), 0u);
}

TEST_F(RealtimeVoiceSessionTest, SnapshotsAreDecodedFromThePagesJSONText) {
  std::vector<std::optional<HuddleSnapshot>> snapshots;
  const auto read = [&](ScriptResult answer) {
    voice().refreshHuddleSnapshot(
        [&](std::optional<HuddleSnapshot> snapshot) { snapshots.push_back(std::move(snapshot)); });
    ASSERT_TRUE(page().answer("velmoraHuddleSnapshot", std::move(answer)));
  };
  const std::string snapshot =
      R"({"enabled":true,"mode":"all","status":"speaking","activeAgentId":"seo",)"
      R"("microphoneMuted":true,"turns":[]})";
  read(nlohmann::json(snapshot).dump());
  read("null");
  read(nlohmann::json(R"({"enabled":true})").dump());
  ASSERT_EQ(snapshots.size(), 3u);
  ASSERT_TRUE(snapshots[0]);
  EXPECT_EQ(snapshots[0]->activeAgentId, "seo");
  EXPECT_TRUE(snapshots[0]->microphoneMuted);
  for (std::size_t i = 1; i < snapshots.size(); ++i) EXPECT_FALSE(snapshots[i]) << i;
}

TEST_F(RealtimeVoiceSessionTest, TheAccessCheckReadsTheStatusOrDescribesTheFailure) {
  std::vector<RealtimeVoiceControl::AccessResult> answers;
  const auto check = [&] {
    voice().checkRealtimeAccess(
        [&](RealtimeVoiceControl::AccessResult answer) { answers.push_back(std::move(answer)); });
    platform.scheduler.runUntilIdle();
  };
  check();
  EXPECT_EQ(lastRequest().url, "https://ondi.example/api/voice/status");
  EXPECT_EQ(lastRequest().method, "GET");
  EXPECT_FALSE(lastRequest().body);
  answer(200, {{"realtimeReady", true},
               {"realtimeAuthRequired", false},
               {"realtimeUpgradeRequired", false}});
  check();
  answer(402, {{"error", "upgrade"}});
  check();
  answerText(200, R"({"realtimeReady":true})");
  check();
  platform.transport.fail("Could not connect to the server.");
  platform.scheduler.runUntilIdle();

  ASSERT_EQ(answers.size(), 4u);
  ASSERT_TRUE(answers[0]);
  EXPECT_TRUE(answers[0]->realtimeReady);
  EXPECT_EQ(answers[1].error(), "Realtime access status returned HTTP 402.");
  EXPECT_EQ(answers[2].error(), "Realtime access status could not be read.");
  EXPECT_EQ(answers[3].error(), "Could not connect to the server.");
}

TEST(RealtimeVoiceSessionLifetimeTest, AStartOutlivedByItsModelNeverCompletes) {
  fakes::FakePlatform platform;
  auto model = std::make_unique<DesktopBrowserModel>(kOrigin, platform.services(),
                                                     SurfaceResources{"<html>operator</html>"});
  model->account.workspaceSessionState.set(
      WorkspaceSessionState::authenticated({"user-1", "", "", ""}));
  bool completed = false;
  model->realtimeVoice().startRealtimeVoiceSession(std::nullopt,
                                                   [&](StartResult) { completed = true; });
  model.reset();
  platform.scheduler.advance(milliseconds(5000));
  EXPECT_FALSE(completed);
}

}  // namespace
}  // namespace ondi
