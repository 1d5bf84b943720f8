#include "core/surface/PageBridge.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/surface/PageScripts.h"
#include "fakes/RecordingLogger.h"
#include "fakes/RecordingSurfaceChannel.h"

namespace ondi {
namespace {

// The surface the bridge answers through, and the features it hands messages to.
class RecordingFeatures final : public fakes::RecordingSurfaceChannel {
 public:
  PageBridge::Handlers handlers() {
    return {[this](const std::string& action, const std::string& draft) {
              calls.push_back("speech " + action + " " + draft);
            },
            [this](const nlohmann::json& body) { calls.push_back("openai " + body.dump()); },
            [this](const nlohmann::json& body) { calls.push_back("action " + body.dump()); },
            [this](const nlohmann::json& body) { calls.push_back("threads " + body.dump()); }};
  }

  std::vector<std::string> calls;
};

class PageBridgeTest : public ::testing::Test {
 protected:
  void send(const std::string& name, const std::string& body, bool mainFrame = true,
            const std::string& scheme = "https", const std::string& host = "ondi.example") {
    bridge.receive({name, body, mainFrame, scheme, host});
  }

  WorkspaceHosts hosts{"ondi.example"};
  fakes::RecordingLogger logger;
  RecordingFeatures features;
  PageBridge bridge{hosts, logger, features, features.handlers()};
};

TEST_F(PageBridgeTest, PrivilegedMessagesNeedTheMainFrameOfASecureWorkspaceOrigin) {
  send("velmoraDesktopAction", R"({"id":"1"})", false);
  send("velmoraOpenAI", R"({"id":"2"})", true, "http", "ondi.example");
  send("velmoraSpeech", R"({})", true, "https", "ondi.example.evil.test");
  EXPECT_TRUE(features.calls.empty());
  EXPECT_THAT(logger.messages(),
              ::testing::ElementsAre(
                  "Blocked privileged bridge message name=velmoraDesktopAction host=ondi.example "
                  "mainFrame=0",
                  "Blocked privileged bridge message name=velmoraOpenAI host=ondi.example "
                  "mainFrame=1",
                  "Blocked privileged bridge message name=velmoraSpeech "
                  "host=ondi.example.evil.test mainFrame=1"));

  send("velmoraDesktopAction", R"({"id":"3"})", true, "http", "localhost");
  send("velmoraSpeech", R"({"action":"start","draft":"hi"})", true, "https", "app.ondi.example");
  send("velmoraSpeech", R"("not an object")");
  EXPECT_THAT(features.calls,
              ::testing::ElementsAre(R"(action {"id":"3"})", "speech start hi", "speech toggle "));
}

TEST_F(PageBridgeTest, MalformedRequestsAreAnsweredAtOnce) {
  send("velmoraDesktopAction", R"("string body")");
  send("velmoraOpenAI", "[1,2]");
  ASSERT_EQ(features.scripts.size(), 2u);
  const auto payload = [](const std::string& script) {
    const auto open = script.find('(', script.find("window.velmora", 4));
    return nlohmann::json::parse(script.substr(open + 1, script.rfind(')') - open - 1));
  };
  const auto action = payload(features.scripts[0]);
  EXPECT_EQ(action["ok"], false);
  EXPECT_EQ(action["kind"], "desktopAction");
  EXPECT_EQ(action["error"], "Invalid desktop action request.");
  EXPECT_EQ(action["id"].get<std::string>().size(), 36u);
  EXPECT_EQ(features.scripts[0].rfind("if (window.velmoraDesktopActionUpdate) {\n  "
                                      "window.velmoraDesktopActionUpdate(",
                                      0),
            0u);
  const auto openai = payload(features.scripts[1]);
  EXPECT_EQ(openai["kind"], "error");
  EXPECT_EQ(openai["error"], "Invalid local OpenAI request.");
  EXPECT_TRUE(features.calls.empty());
}

TEST_F(PageBridgeTest, ConversationStateComesFromTheOperatorPageOrASecureWorkspacePage) {
  features.showingChat = true;
  send("velmoraConversationState", R"({"threads":[]})", true, "http", "ondi.example");
  send("velmoraConversationState", R"({"threads":[]})", false);
  send("velmoraConversationState", R"([])");
  features.showingChat = false;
  features.url = "https://example.org/page";
  send("velmoraConversationState", R"({"threads":[]})");
  features.url = "https://app.ondi.example/agent.html";
  send("velmoraConversationState", R"({"x":1})");
  EXPECT_THAT(features.calls,
              ::testing::ElementsAre(R"(threads {"threads":[]})", R"(threads {"x":1})"));
  EXPECT_TRUE(logger.entries.empty());
}

TEST(PageScriptsTest, NotificationsAreGuardedAndSerialisedWhole) {
  EXPECT_EQ(PageScripts::speechUpdate("error", std::nullopt, "No mic."),
            "if (window.velmoraDesktopSpeechUpdate) {\n  window.velmoraDesktopSpeechUpdate("
            R"({"message":"No mic.","status":"error"});)"
            "\n}");
  EXPECT_FALSE(
      PageScripts::desktopActionUpdate("1", true, std::string("bad \xFF utf8"), std::nullopt));
}

}  // namespace
}  // namespace ondi
