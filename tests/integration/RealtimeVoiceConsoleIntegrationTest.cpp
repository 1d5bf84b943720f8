#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "LoadRecorder.h"
#include "MainLoop.h"
#include "PageServer.h"
#include "WebKitFixture.h"
#include "core/util/Json.h"
#include "core/voice/HuddleRecords.h"
#include "core/voice/RealtimeVoiceScripts.h"

using namespace ondi;

namespace {

// A console that takes a huddle and connects a moment after it is asked to start.
constexpr const char* kHuddleConsole = R"(<body><script>
  window.received = [];
  window.velmoraConfigureHuddle = (config) => window.received.push(config);
  window.setWorkspaceSurface = (surface) => window.received.push(surface);
  window.startRealtimeSession = () => new Promise((resolve) =>
    setTimeout(() => resolve({ok: true, connected: true, code: "live"}), 200));
</script></body>)";

class RealtimeVoiceConsoleIntegration : public ::testing::Test {
 protected:
  RealtimeVoiceConsoleIntegration() : view(webkit.webViews().makeWebView({})) {
    view->setDelegate(&loads);
  }
  ~RealtimeVoiceConsoleIntegration() override { view->setDelegate(nullptr); }

  void show(const std::string& html) {
    const int before = loads.finished;
    view->loadHTML(html, "https://ondi.example/agent.html?source=mac_app&surface=voice");
    ASSERT_TRUE(runMainLoopUntil([&] { return loads.finished > before; }));
  }
  nlohmann::json await(const std::function<void(std::function<void(ScriptResult)>)>& run) {
    std::optional<ScriptResult> result;
    run([&](ScriptResult r) { result = std::move(r); });
    EXPECT_TRUE(runMainLoopUntil([&] { return result.has_value(); }));
    if (!result || !*result) {
      ADD_FAILURE() << (result ? result->error() : "no result");
      return nullptr;
    }
    return nlohmann::json::parse(**result);
  }
  nlohmann::json start(const std::optional<std::string>& huddleJSON) {
    return await([&](auto done) {
      view->callAsyncJavaScript(realtimeVoiceStartScript(huddleJSON), std::move(done));
    });
  }
  nlohmann::json evaluate(const std::string& script) {
    return await([&](auto done) { view->evaluateJavaScript(script, std::move(done)); });
  }

  WebKitFixture webkit;
  LoadRecorder loads;
  std::unique_ptr<WebView> view;
};

TEST_F(RealtimeVoiceConsoleIntegration, TheHuddleIsConfiguredThenTheStartPromiseIsAwaited) {
  show(kHuddleConsole);
  auto roster = defaultHuddleRoster();
  const std::string hostile =
      "Q\"uote' </script><script>alert(1)</script> \\back\\slash \xE2\x80\xA8 end";
  roster[0].name = hostile;
  const std::string huddle =
      encodeJSON(toJSON(HuddleConfiguration{HuddleSelectionMode::all, roster}));
  EXPECT_EQ(start(huddle), nlohmann::json({{"ok", true}, {"connected", true}, {"code", "live"}}));
  const auto received = evaluate("window.received");
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(received[0], nlohmann::json::parse(huddle));
  EXPECT_EQ(received[0]["participants"][0]["name"], hostile);
  EXPECT_EQ(received[1], "voice");

  // Without a configuration the huddle is left as it is.
  EXPECT_EQ(start(std::nullopt)["connected"], true);
  EXPECT_EQ(evaluate("window.received.length"), 3);
}

TEST_F(RealtimeVoiceConsoleIntegration, ConsolesWithoutTheirFunctionsSaySoWithACode) {
  show("<p>not a console</p>");
  EXPECT_EQ(start(R"({"mode":"relevant","participants":[]})")["code"],
            "huddle_console_unavailable");
  EXPECT_EQ(start(std::nullopt)["code"], "console_unavailable");
}

TEST_F(RealtimeVoiceConsoleIntegration, TheConsoleIsAskedForWithoutCachedCopies) {
  PageServer server("127.0.0.1");
  server.addPage("/agent.html", "<p>console</p>");
  const int before = loads.finished;
  view->loadURL(server.url("/agent.html"), std::chrono::seconds(30),
                LoadCachePolicy::reloadIgnoringLocalAndRemoteCache);
  ASSERT_TRUE(runMainLoopUntil([&] { return loads.finished > before; }));
  EXPECT_EQ(server.lastRequestHeader("/agent.html", "Cache-Control"), "no-cache");
  EXPECT_EQ(server.lastRequestHeader("/agent.html", "Pragma"), "no-cache");
}

}  // namespace
