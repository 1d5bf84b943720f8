#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "AccountFixture.h"
#include "core/assist/OpenAIKeychain.h"
#include "core/origin/ServiceOrigin.h"
#include "core/ports/WebView.h"
#include "core/script/SurfaceResources.h"

namespace ondi {
namespace {

using ::testing::HasSubstr;
using json = nlohmann::json;

constexpr const char* kEndpoint = "https://api.openai.com/v1/responses";

class LocalOpenAIClientTest : public AccountFixture {
 protected:
  fakes::FakeWebView& surface() { return static_cast<fakes::FakeWebView&>(model.surfaceWebView()); }
  std::size_t scriptCount() { return surface().scripts.size(); }

  // The reply object of the last script sent to the page.
  json lastReply() {
    const std::string& script = surface().scripts.back();
    const std::string call = "window.velmoraDesktopOpenAIUpdate(";
    const auto start = script.rfind(call) + call.size();
    return json::parse(script.substr(start, script.rfind(");\n}") - start));
  }

  void send(json body) {
    model.handleLocalOpenAIRequest(body);
    platform.scheduler.runUntilIdle();
  }
  json message(const std::string& text) {
    return {{"id", "m1"}, {"action", "message"}, {"message", text}};
  }

  void saveKey(const std::string& userID, const std::string& key) {
    std::optional<std::expected<void, SecretStatus>> saved;
    model.openAIKeychain().saveAPIKey(key, userID, [&](auto result) { saved = result; });
    platform.scheduler.runUntilIdle();
    ASSERT_TRUE(saved && *saved);
  }

  const HttpRequest* openAIRequest() {
    for (const auto& request : platform.transport.requests) {
      if (request.url == kEndpoint) return &request;
    }
    return nullptr;
  }
};

TEST_F(LocalOpenAIClientTest, StatusBeforeAnyoneTouchedTheSwitchSaysEnabled) {
  ASSERT_FALSE(platform.settings.boolValue("Velmora.useOpenAIFallback"));
  model.publishOpenAIStatus("s1");
  EXPECT_EQ(surface().scripts.back(),
            "if (window.velmoraDesktopOpenAIUpdate) {\n"
            "  window.velmoraDesktopOpenAIUpdate({\"enabled\":true,\"hasAPIKey\":false,"
            "\"id\":\"s1\",\"kind\":\"status\",\"model\":\"gpt-5.6-sol\",\"ok\":true});\n}");
}

TEST_F(LocalOpenAIClientTest, StatusReportsTheSignedInAccountsKeyAndTheSwitch) {
  confirm("user-1");
  saveKey("user-1", "sk-saved");
  model.updateDesktopPreferences([](auto& preferences) { preferences.useOpenAIFallback = false; });
  send({{"id", "s2"}, {"action", "status"}});
  EXPECT_EQ(lastReply(), json({{"id", "s2"},
                               {"ok", true},
                               {"kind", "status"},
                               {"enabled", false},
                               {"hasAPIKey", true},
                               {"model", "gpt-5.6-sol"}}));
}

TEST_F(LocalOpenAIClientTest, OpenSettingsAsksTheShellAndAnswersWithTheStatus) {
  const std::string before = model.settingsRequestID.get();
  send({{"id", "o1"}, {"action", "openSettings"}});
  EXPECT_NE(model.settingsRequestID.get(), before);
  EXPECT_EQ(lastReply()["kind"], "status");
  EXPECT_EQ(lastReply()["id"], "o1");
}

TEST_F(LocalOpenAIClientTest, RefusesBeforeAskingOpenAI) {
  platform.environment.values["OPENAI_API_KEY"] = "sk-env";
  send(message("   "));
  EXPECT_EQ(lastReply(), json({{"id", "m1"},
                               {"ok", false},
                               {"kind", "message"},
                               {"error", "Type a message before sending."}}));

  platform.settings.setBool("Velmora.useOpenAIFallback", false);
  send(message("Hello"));
  EXPECT_EQ(lastReply()["error"], "Direct OpenAI fallback is off. Enable it in Ondi Settings.");

  platform.settings.setBool("Velmora.useOpenAIFallback", true);
  platform.environment.values.clear();
  send(message("Hello"));
  EXPECT_EQ(lastReply()["error"], "Direct OpenAI is not connected.");
  EXPECT_EQ(openAIRequest(), nullptr);

  send(json::array({"not", "an object"}));
  EXPECT_EQ(lastReply()["kind"], "error");
  EXPECT_EQ(lastReply()["error"], "Invalid local OpenAI request.");
  EXPECT_EQ(lastReply()["id"].get<std::string>().size(), 36u);
}

TEST_F(LocalOpenAIClientTest, AsksWithTheSignedInAccountsKeyAndRepliesWithTheAnswer) {
  confirm("user-1");
  saveKey("user-1", "sk-saved");
  platform.environment.values["OPENAI_API_KEY"] = "sk-env";
  platform.secrets.reads.clear();
  send({{"id", "m7"},
        {"message", " What next? "},
        {"modelMode", "Growth Analyst"},
        {"threadId", "t1"},
        {"history", {{{"role", "user"}, {"content", "Hi"}}}},
        {"workspaceContext", {{"scopeInstruction", "Sales only."}}}});

  const HttpRequest* request = openAIRequest();
  ASSERT_NE(request, nullptr);
  EXPECT_EQ(platform.secrets.reads, std::vector<bool>{true});
  EXPECT_EQ(request->method, "POST");
  EXPECT_EQ(request->timeout, std::chrono::seconds(180));
  EXPECT_EQ(request->headers, (HttpHeaders{{"Authorization", "Bearer sk-saved"},
                                           {"Content-Type", "application/json"}}));
  const json body = json::parse(request->body.value());
  EXPECT_EQ(body["model"], "gpt-5.6-sol");
  EXPECT_EQ(body["reasoning"], json({{"effort", "high"}}));
  EXPECT_THAT(body["instructions"].get<std::string>(),
              HasSubstr("Act as Ondi's Growth Analyst subagent."));
  EXPECT_THAT(body["instructions"].get<std::string>(),
              HasSubstr("Dedicated workspace policy:\nYou are working inside"));
  EXPECT_EQ(body["input"], json::parse(R"([{"role":"user","content":"Hi"},
                                          {"role":"user","content":"What next?"}])"));

  answer(200, {{"output_text", "Ship the fix."}});
  EXPECT_EQ(lastReply(), json({{"id", "m7"},
                               {"ok", true},
                               {"kind", "message"},
                               {"text", "Ship the fix."},
                               {"model", "gpt-5.6-sol"}}));
}

TEST_F(LocalOpenAIClientTest, FallsBackToTheEnvironmentKeyAndReportsOpenAIsError) {
  answer(200, {{"authenticated", false}});
  platform.environment.values["OPENAI_API_KEY"] = "  sk-env\n";
  send(message("Hello"));
  ASSERT_NE(openAIRequest(), nullptr);
  EXPECT_EQ(openAIRequest()->headers.front().second, "Bearer sk-env");

  answer(429, {{"error", {{"message", "Rate limit reached."}}}});
  EXPECT_EQ(
      lastReply(),
      json({{"id", "m1"}, {"ok", false}, {"kind", "message"}, {"error", "Rate limit reached."}}));
}

TEST(LocalOpenAIClientLifetime, AnAnswerAfterTheModelIsGoneIsDropped) {
  fakes::FakePlatform platform;
  platform.environment.values["OPENAI_API_KEY"] = "sk-env";
  auto model =
      std::make_unique<DesktopBrowserModel>(ServiceOrigin{"https://ondi.example", "ondi.example"},
                                            platform.services(), SurfaceResources{"<html></html>"});
  model->handleLocalOpenAIRequest({{"id", "m1"}, {"message", "Hello"}});
  platform.scheduler.runUntilIdle();
  ASSERT_EQ(platform.transport.requests.back().url, kEndpoint);
  const auto requests = platform.transport.requests.size();

  // The surface went with the model: a completion that still reached for either would read
  // freed memory, which the sanitizer run reports.
  model.reset();
  platform.transport.respond(200, R"({"authenticated":false})");
  platform.transport.respond(200, R"({"output_text":"Late."})");
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(platform.transport.requests.size(), requests);
}

}  // namespace
}  // namespace ondi
