// What can stop an agent prompt: the free plan's daily turn limit, and the failure switch the
// client's tests use to make the hosted agent fail.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "AccountSteps.h"
#include "AgentSteps.h"
#include "HttpTestClient.h"
#include "OndiServerProcess.h"

namespace {

constexpr long long kOneDay = 24 * 60 * 60;

class AgentTurnsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(signUp(client_, "ada@example.com").status, 200u); }

  HttpReply armFailures(const nlohmann::json& body) {
    return client_.send("POST", "/api/test/agent-failure", body.dump());
  }

  std::unique_ptr<OndiServerProcess> server_ = std::make_unique<OndiServerProcess>(
      OndiServerProcess::Options{.extraArguments = {"--test-routes", "--free-turn-limit", "2"}});
  HttpTestClient client_{server_->baseURL(), HttpTestClient::Cookies::keep};
};

TEST_F(AgentTurnsTest, TheFreePlanStopsAtItsDailyTurnsUntilTheNextDay) {
  // Turns count across threads.
  ASSERT_EQ(sendPrompt(client_, "one", "first").status, 200u);
  ASSERT_EQ(sendPrompt(client_, "two", "second").status, 200u);
  const HttpReply refused = sendPrompt(client_, "three", "first");
  EXPECT_EQ(refused.status, 429u);
  EXPECT_EQ(refused.json(), nlohmann::json({{"ok", false},
                                            {"error",
                                             "You have used today's 2 turns on the "
                                             "Free plan."}}));
  const auto state = agentState(client_, "first");
  EXPECT_EQ(messageContents(state).size(), 2u);
  EXPECT_EQ(state.at("usage"), nlohmann::json({{"turnsUsed", 2}, {"turnLimit", 2}}));
  EXPECT_EQ(state.at("events").size(), 2u);

  advanceClock(client_, kOneDay);
  EXPECT_EQ(agentState(client_).at("usage").at("turnsUsed"), 0);
  EXPECT_EQ(sendPrompt(client_, "three", "first").status, 200u);
  EXPECT_EQ(messageContents(agentState(client_, "first")).size(), 4u);
}

TEST_F(AgentTurnsTest, TheFailureSwitchFailsTheNextPromptsWithoutKeepingThem) {
  const HttpReply armed = armFailures({{"status", 502}, {"count", 2}, {"format", "html"}});
  ASSERT_EQ(armed.status, 200u) << armed.body;
  for (int i = 0; i < 2; ++i) {
    const HttpReply failed = sendPrompt(client_, "hi");
    EXPECT_EQ(failed.status, 502u);
    EXPECT_EQ(failed.headerValues("Content-Type"),
              std::vector<std::string>{"text/html; charset=utf-8"});
    EXPECT_TRUE(failed.body.starts_with("<!DOCTYPE html>")) << failed.body;
  }
  EXPECT_EQ(sendPrompt(client_, "hi").status, 200u);

  ASSERT_EQ(armFailures({{"status", 500}, {"count", 1}}).status, 200u);
  const HttpReply failed = sendPrompt(client_, "hi");
  EXPECT_EQ(failed.status, 500u);
  EXPECT_EQ(
      failed.json(),
      nlohmann::json({{"ok", false}, {"error", "The agent failed on purpose with status 500."}}));

  // A count of 0 turns the switch off.
  ASSERT_EQ(armFailures({{"status", 503}, {"count", 5}}).status, 200u);
  ASSERT_EQ(armFailures({{"status", 503}, {"count", 0}}).status, 200u);
  EXPECT_EQ(sendPrompt(client_, "hi").status, 200u);
  EXPECT_EQ(messageContents(agentState(client_)).size(), 4u);
  // Reading the state never fails on purpose.
  ASSERT_EQ(armFailures({{"status", 502}, {"count", 1}}).status, 200u);
  EXPECT_EQ(client_.send("GET", "/api/agent/state").status, 200u);

  for (const nlohmann::json& body : {nlohmann::json({{"status", 200}, {"count", 1}}),
                                     nlohmann::json({{"status", 502}, {"format", "xml"}})}) {
    EXPECT_EQ(armFailures(body).status, 400u) << body;
  }
}

TEST(AgentRoutesWithoutFlagsTest, TheFailureSwitchNeedsTestRoutes) {
  const OndiServerProcess server;
  const HttpTestClient client(server.baseURL());
  EXPECT_EQ(client.send("POST", "/api/test/agent-failure", R"({"status": 502, "count": 1})").status,
            404u);
}

}  // namespace
