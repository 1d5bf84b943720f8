#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "MainLoop.h"
#include "OndiServerProcess.h"
#include "core/account/AccountState.h"
#include "core/assist/LocalOpenAIClient.h"
#include "core/assist/OpenAIKeychain.h"
#include "fakes/FakeEnvironment.h"
#include "fakes/FakeSecretStore.h"
#include "fakes/InMemorySettingsStore.h"
#include "fakes/RecordingSurfaceChannel.h"
#include "platform/linux/GlibScheduler.h"
#include "platform/linux/SoupHttpTransport.h"

using namespace ondi;
using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;
using json = nlohmann::json;

namespace {

// The direct OpenAI client with the real transport, against ondi-server's OpenAI stand-in.
class OpenAIResponsesIntegration : public ::testing::Test {
 protected:
  void SetUp() override {
    environment.values["ONDI_OPENAI_BASE_URL"] = server.baseURL();
    environment.values["OPENAI_API_KEY"] = "sk-test-ondi";
  }

  json ask(const json& body) {
    const std::size_t before = page.scripts.size();
    client.handleLocalOpenAIRequest(body);
    EXPECT_TRUE(runMainLoopUntil([&] { return page.scripts.size() > before; }));
    return page.scripts.empty() ? json() : page.notificationArgument(page.scripts.back());
  }
  std::string errorFor(const std::string& message) {
    return ask({{"id", "e1"}, {"message", message}}).value("error", "");
  }

  // What the stand-in last received, as it parsed it.
  json lastRequestBody() {
    std::optional<json> body;
    transport.send({.url = server.baseURL() + "/v1/test/last-request",
                    .method = "GET",
                    .headers = {},
                    .body = {}},
                   [&](auto result) { body = result ? json::parse(result->body) : json(); });
    EXPECT_TRUE(runMainLoopUntil([&] { return body.has_value(); }));
    return body.value_or(json());
  }

  OndiServerProcess server{{.extraArguments = {"--openai-test-endpoint"}}};
  platform::GlibScheduler scheduler;
  platform::SoupHttpTransport transport;
  fakes::FakeEnvironment environment;
  fakes::InMemorySettingsStore settings;
  fakes::FakeSecretStore secrets{scheduler};
  AccountState account;
  OpenAIKeychain keychain{secrets, settings, scheduler};
  fakes::RecordingSurfaceChannel page;
  LocalOpenAIClient client{{account, settings, environment, transport, keychain, page}};
};

TEST_F(OpenAIResponsesIntegration, SendsTheSpecifiedRequestAndRepliesWithTheAnswer) {
  const json reply = ask({{"id", "r1"},
                          {"message", "Plan the launch"},
                          {"agentMode", "Researcher"},
                          {"history",
                           {{{"role", "assistant"}, {"content", "Hello"}},
                            {{"role", "user"}, {"content", "Plan the launch"}}}},
                          {"workspaceContext", {{"scopeInstruction", "Launch work only."}}}});
  EXPECT_EQ(reply["ok"], true) << reply.dump();
  EXPECT_EQ(reply["id"], "r1");
  EXPECT_EQ(reply["model"], "gpt-5.6-sol");
  EXPECT_EQ(reply["text"],
            "Test reply: received 2 input items; last user text: \"Plan the launch\"; "
            "instructions: present; reasoning effort: high.");

  const json sent = lastRequestBody();
  EXPECT_EQ(sent["model"], "gpt-5.6-sol");
  EXPECT_EQ(sent["reasoning"], json({{"effort", "high"}}));
  EXPECT_EQ(sent["input"], json::parse(R"([{"role":"assistant","content":"Hello"},
                                          {"role":"user","content":"Plan the launch"}])"));
  const std::string instructions = sent["instructions"];
  EXPECT_THAT(instructions, StartsWith("You are Ondi, a Codex-style AI teammate for Linux. Act as "
                                       "Ondi's Researcher subagent.\n\nBehave like"));
  EXPECT_THAT(instructions, HasSubstr("\n\nDedicated workspace policy:\nYou are working inside "
                                      "Dedicated Workspace. Launch work only.\n"));
  EXPECT_EQ(sent.size(), 4u);
}

TEST_F(OpenAIResponsesIntegration, ReportsEachKindOfFailure) {
  EXPECT_THAT(errorFor("[[fail:502-html]]"),
              AllOf(StartsWith("Parse error at line 1"), Not(HasSubstr("HTTP 502"))));
  EXPECT_EQ(errorFor("[[fail:500-json]]"),
            "The server had an error while processing your request.");
  EXPECT_EQ(errorFor("[[empty]]"), "OpenAI returned an empty response.");

  environment.values["OPENAI_API_KEY"] = "sk-wrong-key";
  EXPECT_EQ(errorFor("Hello"), "Incorrect API key provided.");

  environment.values.erase("OPENAI_API_KEY");
  EXPECT_EQ(errorFor("Hello"), "Direct OpenAI is not connected.");
}

}  // namespace
