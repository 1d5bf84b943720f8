#include <gtest/gtest.h>

#include <algorithm>

#include <nlohmann/json.hpp>

#include "MainLoop.h"
#include "PageServer.h"
#include "WebKitFixture.h"
#include "core/script/JavaScript.h"
#include "core/surface/PageBridge.h"

using namespace ondi;

namespace {

// Records what reaches the native side of the bridge.
class RecordingDelegate final : public WebViewDelegate {
 public:
  std::vector<ScriptMessage> messages;
  int finished = 0;

  NavigationDecision decideNavigationPolicy(WebView&, const NavigationAction&) override {
    return NavigationDecision::allow;
  }
  void newWindowRequested(WebView&, const NavigationAction&) override {}
  void navigationStarted(WebView&) override {}
  void navigationCommitted(WebView&) override {}
  void navigationFinished(WebView&) override { ++finished; }
  void navigationFailed(WebView&, const std::string&, const std::string&) override {}
  void navigationCancelled(WebView&) override {}
  void scriptMessageReceived(WebView&, const ScriptMessage& message) override {
    messages.push_back(message);
  }
  void mediaCaptureRequested(WebView&, const std::string&, MediaCaptureKind,
                             std::function<void(bool)> decide) override {
    decide(false);
  }
};

class PageBridgeIntegration : public ::testing::Test {
 protected:
  PageBridgeIntegration() {
    WebViewConfiguration configuration;
    configuration.scriptMessageHandlers = {PageBridge::kHandlerNames.begin(),
                                           PageBridge::kHandlerNames.end()};
    view = webkit.webViews().makeWebView(configuration);
    view->setDelegate(&delegate);
  }
  ~PageBridgeIntegration() override { view->setDelegate(nullptr); }

  void show(const std::string& html, const std::string& base) {
    const int before = delegate.finished;
    view->loadHTML(html, base);
    ASSERT_TRUE(runMainLoopUntil([&] { return delegate.finished > before; }));
  }
  ScriptResult run(const std::string& script) {
    std::optional<ScriptResult> result;
    view->evaluateJavaScript(script, [&](ScriptResult r) { result = std::move(r); });
    EXPECT_TRUE(runMainLoopUntil([&] { return result.has_value(); }));
    return result.value_or(std::unexpected(std::string("no result")));
  }
  // Waits for `count` messages, then for a last one the main frame posts through the same
  // queue: once it arrives, whatever the page had posted before has arrived too. The last
  // message is not kept.
  void waitForMessages(std::size_t count) {
    EXPECT_TRUE(runMainLoopUntil([&] { return delegate.messages.size() >= count; }));
    run("webkit.messageHandlers.velmoraSpeech.postMessage('end of test messages')");
    const auto isEnd = [](const ScriptMessage& m) {
      return m.bodyJSON == "\"end of test messages\"";
    };
    EXPECT_TRUE(runMainLoopUntil([&] { return std::ranges::any_of(delegate.messages, isEnd); }));
    std::erase_if(delegate.messages, isEnd);
  }

  WebKitFixture webkit;
  RecordingDelegate delegate;
  std::unique_ptr<WebView> view;
};

TEST_F(PageBridgeIntegration, TheMainFrameReachesEveryHandlerWithItsOrigin) {
  show("<p>operator</p>", "https://ondi.example/agent.html?source=mac_app");
  run("window.webkit.messageHandlers.velmoraDesktopAction.postMessage({id: 'a1', action: 'x'});"
      "window.webkit.messageHandlers.velmoraConversationState.postMessage('text')");
  waitForMessages(2);
  ASSERT_EQ(delegate.messages.size(), 2u);
  EXPECT_EQ(delegate.messages[0].name, "velmoraDesktopAction");
  EXPECT_EQ(nlohmann::json::parse(delegate.messages[0].bodyJSON),
            nlohmann::json({{"id", "a1"}, {"action", "x"}}));
  EXPECT_TRUE(delegate.messages[0].isMainFrame);
  EXPECT_EQ(delegate.messages[0].originScheme, "https");
  EXPECT_EQ(delegate.messages[0].originHost, "ondi.example");
  EXPECT_EQ(delegate.messages[1].bodyJSON, "\"text\"");
}

TEST_F(PageBridgeIntegration, FramesAndSyntheticEventsAreNotTheMainFrame) {
  PageServer workspace("127.0.0.1");
  PageServer foreign("127.0.0.2");
  const std::string post =
      "<script>parent.postMessage({velmoraBridge: 'velmoraOpenAI', body: {id: 'f'}}, '*')"
      "</script>";
  workspace.addPage("/inner", post);
  foreign.addPage("/inner", post);
  workspace.addPage("/own-handlers",
                    "<script>webkit.messageHandlers.velmoraSpeech.postMessage({})</script>");
  workspace.addPage("/page", "<iframe src='" + workspace.url("/own-handlers") +
                                 "'></iframe><iframe src='" + workspace.url("/inner") +
                                 "'></iframe><iframe src='" + foreign.url("/inner") +
                                 "'></iframe>");
  const int before = delegate.finished;
  view->loadURL(workspace.url("/page"));
  // The page finishes loading after its frames, so every frame's script has run.
  ASSERT_TRUE(runMainLoopUntil([&] { return delegate.finished > before; }));
  waitForMessages(3);
  run("window.dispatchEvent(new MessageEvent('message', {data: {velmoraBridge: "
      "'velmoraDesktopAction', body: {}}, origin: location.origin, source: window}))");
  waitForMessages(4);
  ASSERT_EQ(delegate.messages.size(), 4u);
  for (const auto& message : delegate.messages) EXPECT_FALSE(message.isMainFrame) << message.name;
  std::vector<std::string> hosts;
  for (const auto& message : delegate.messages) hosts.push_back(message.originHost);
  EXPECT_NE(std::ranges::find(hosts, "127.0.0.2"), hosts.end());
}

TEST_F(PageBridgeIntegration, ThePageCannotReplaceTheHandlers) {
  show("<p>page</p>", "http://127.0.0.1:1/");
  const auto replaced =
      run("try { window.webkit = {messageHandlers: {}}; } catch (e) {}"
          "try { window.webkit.messageHandlers.velmoraSpeech = null; } catch (e) {}"
          "typeof window.webkit.messageHandlers.velmoraSpeech.postMessage");
  ASSERT_TRUE(replaced.has_value());
  EXPECT_EQ(*replaced, "\"function\"");
}

TEST_F(PageBridgeIntegration, StringLiteralsEvaluateBackToTheSameText) {
  show("<p>page</p>", "http://127.0.0.1:1/");
  const std::string text =
      "quote \" apostrophe ' backslash \\ line\nbreak\r</script><script>alert(1)</script> "
      "\xF0\x9F\x98\x80 \xE2\x80\xA8 end";
  const auto result = run(javaScriptLiteral(text));
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(nlohmann::json::parse(*result).get<std::string>(), text);
}

}  // namespace
