#include "core/phone/AgentPhoneController.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "AccountFixture.h"

namespace ondi {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

constexpr const char* kCallsURL = "https://ondi.example/api/account/phone/calls";
constexpr const char* kToken = "0123456789abcdef0123456789abcdef";
constexpr const char* kBackendUpdate =
    "Phone setup needs the matching Ondi backend update in this environment.";

nlohmann::json lineJSON(const std::string& label = "Customer line") {
  return {{"id", "line-1"},
          {"provider", "twilio"},
          {"label", label},
          {"phoneNumber", "+14155550101"},
          {"maskedPhoneNumber", "+1 ••• ••• 0101"},
          {"agentId", "main"},
          {"agentName", "TELVORIX"},
          {"voice", "alloy"},
          {"inboundEnabled", true},
          {"outboundEnabled", true},
          {"allowedInboundCallers", nlohmann::json::array()},
          {"status", "active"},
          {"webhookUrl", "https://ondi.example/twilio/voice"},
          {"syncError", ""}};
}

nlohmann::json callJSON(const std::string& id) {
  return {{"id", id},
          {"lineId", "line-1"},
          {"direction", "outbound"},
          {"remoteNumber", "+14155550123"},
          {"maskedRemoteNumber", "+1 ••• ••• 0123"},
          {"status", "queued"},
          {"agentId", "main"},
          {"agentName", "TELVORIX"},
          {"purpose", "Confirm the order"}};
}

nlohmann::json fullEnvelope(std::optional<nlohmann::json> line) {
  nlohmann::json envelope = {
      {"ok", true},
      {"configuration",
       {{"ready", true},
        {"missing", nlohmann::json::array()},
        {"model", "gpt-realtime"},
        {"provider", "Twilio + OpenAI Realtime SIP"}}},
      {"calls", {callJSON("call-1")}},
      {"agents", {{{"id", "main"}, {"name", "TELVORIX"}, {"voice", "alloy"}, {"role", "Lead"}}}}};
  if (line) envelope["line"] = *line;
  return envelope;
}

using Outcome = std::optional<std::expected<void, DesktopAPIRequestError>>;

class AgentPhoneControllerTest : public AccountFixture {
 protected:
  AgentPhoneControllerTest() { platform.transport.stopAnsweringAlways(kPhonePath); }

  AgentPhoneController& phone() { return model.agentPhone(); }
  const AgentPhoneState& state() { return phone().agentPhoneState.get(); }
  // The completion of a phone operation, recording how it ended.
  AgentPhoneController::Completion record(Outcome& outcome) {
    return [&outcome](auto result) { outcome = std::move(result); };
  }
  // Confirms an account, whose session answer starts a refresh, and answers that refresh.
  void signInWithLine() {
    confirm("u1");
    ASSERT_EQ(lastRequest().url, kPhonePath);
    answer(200, fullEnvelope(lineJSON()));
    ASSERT_TRUE(state().line);
  }
  AgentPhoneLinkRequest link() const {
    return {"AC0123456789abcdef0123456789abcdef",
            kToken,
            "+14155550101",
            "Customer line",
            "main",
            true,
            false,
            {}};
  }
};

TEST_F(AgentPhoneControllerTest, SignedOutMutationsSendNothingAndPublishNothing) {
  answer(200, {{"authenticated", false}});
  phone().agentPhoneError.set("An earlier failure.");
  const std::size_t before = requestCount();
  Outcome connected;
  phone().connectAgentPhone(link(), record(connected));
  Outcome placed;
  phone().placeAgentPhoneCall({"+14155550123", "Hello"}, record(placed));
  phone().refreshAgentPhone();
  platform.scheduler.runUntilIdle();

  EXPECT_EQ(requestCount(), before);
  ASSERT_TRUE(connected && !*connected);
  EXPECT_EQ(connected->error().description(), "Sign in to manage an agent phone number.");
  ASSERT_TRUE(placed && !*placed);
  EXPECT_EQ(phone().agentPhoneError.get(), "An earlier failure.");
  EXPECT_FALSE(phone().isAgentPhoneActionInFlight.get());
  EXPECT_EQ(state(), AgentPhoneState::unavailable());
}

TEST_F(AgentPhoneControllerTest, AConfirmedSessionLoadsThePhoneOneRefreshAtATime) {
  answer(200, signedIn("u1"));
  EXPECT_EQ(lastRequest().url, kPhonePath);
  EXPECT_EQ(lastRequest().method, "GET");
  EXPECT_TRUE(phone().isAgentPhoneActionInFlight.get());
  const std::size_t before = requestCount();
  phone().refreshAgentPhone();
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(requestCount(), before);
  EXPECT_FALSE(state().loaded);

  answer(200, fullEnvelope(lineJSON()));
  EXPECT_TRUE(state().loaded);
  EXPECT_TRUE(state().configuration.ready);
  EXPECT_EQ(state().line->label, "Customer line");
  EXPECT_EQ(state().agents.front().voice, "alloy");
  EXPECT_FALSE(phone().isAgentPhoneActionInFlight.get());
}

TEST_F(AgentPhoneControllerTest, OnlyAnswersAboutTheWholePhoneRemoveTheLine) {
  signInWithLine();

  // A placed call comes back with the history only: the line and configuration stay.
  Outcome placed;
  phone().placeAgentPhoneCall({"+14155550123", "Confirm the order"}, record(placed));
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(lastRequest().url, kCallsURL);
  EXPECT_EQ(nlohmann::json::parse(*lastRequest().body),
            nlohmann::json({{"to", "+14155550123"}, {"purpose", "Confirm the order"}}));
  answer(200, {{"ok", true}, {"call", callJSON("call-2")}, {"calls", {callJSON("call-2")}}});
  ASSERT_TRUE(placed && *placed);
  EXPECT_TRUE(state().line);
  EXPECT_TRUE(state().configuration.ready);
  ASSERT_EQ(state().calls.size(), 1u);
  EXPECT_EQ(state().calls.front().id, "call-2");

  // A refresh whose configuration comes without a line means none is connected any more.
  phone().refreshAgentPhone();
  answer(200, fullEnvelope(std::nullopt));
  EXPECT_FALSE(state().line);
  EXPECT_EQ(state().calls.front().id, "call-1");
}

TEST_F(AgentPhoneControllerTest, FailuresBecomeOneSentenceAndKeepTheState) {
  signInWithLine();
  const AgentPhoneState loaded = state();

  phone().refreshAgentPhone();
  answer(404, {{"ok", false}, {"error", " not found \n"}});
  EXPECT_EQ(phone().agentPhoneError.get(), kBackendUpdate);
  EXPECT_EQ(state(), loaded);

  Outcome updated;
  phone().updateAgentPhoneRouting({"Desk", "main", true, true, {}}, record(updated));
  EXPECT_EQ(phone().agentPhoneError.get(), "");
  EXPECT_TRUE(phone().isAgentPhoneActionInFlight.get());
  answer(500, fullEnvelope(lineJSON("Desk")));
  ASSERT_TRUE(updated && !*updated);
  EXPECT_EQ(updated->error().description(), "Agent phone service could not complete the request.");
  EXPECT_EQ(phone().agentPhoneError.get(), "Agent phone service could not complete the request.");
  EXPECT_EQ(state(), loaded);
  EXPECT_FALSE(phone().isAgentPhoneActionInFlight.get());

  phone().refreshAgentPhone();
  answerText(502, "<html>Bad gateway</html>");
  EXPECT_EQ(phone().agentPhoneError.get(),
            "The agent phone service sent an answer that could not be read.");

  phone().refreshAgentPhone();
  answer(409, {{"ok", false}, {"error", "Disconnect the connected number first."}});
  EXPECT_EQ(phone().agentPhoneError.get(), "Disconnect the connected number first.");
  phone().refreshAgentPhone();
  answer(200, fullEnvelope(lineJSON()));
  EXPECT_EQ(phone().agentPhoneError.get(), "");
}

TEST_F(AgentPhoneControllerTest, DisconnectingSendsAnEmptyObjectAndRemovesTheLine) {
  signInWithLine();
  Outcome disconnected;
  phone().disconnectAgentPhone(record(disconnected));
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(lastRequest().method, "DELETE");
  EXPECT_EQ(lastRequest().url, kPhonePath);
  EXPECT_EQ(lastRequest().body, "{}");
  answer(200, fullEnvelope(std::nullopt));
  ASSERT_TRUE(disconnected && *disconnected);
  EXPECT_FALSE(state().line);
}

TEST_F(AgentPhoneControllerTest, LeavingTheAccountForgetsThePhoneAndIgnoresLateAnswers) {
  signInWithLine();
  model.refreshWorkspaceSession();
  platform.scheduler.runUntilIdle();
  Outcome placed;
  phone().placeAgentPhoneCall({"+14155550123", "Hello"}, record(placed));
  answer(200, {{"authenticated", false}});
  EXPECT_EQ(state(), AgentPhoneState::unavailable());
  EXPECT_FALSE(phone().isAgentPhoneActionInFlight.get());
  // The call's answer arrives for an account that has gone: its caller hears, the state not.
  answer(200, {{"ok", true}, {"calls", {callJSON("call-9")}}});
  EXPECT_TRUE(placed && *placed);
  EXPECT_EQ(state(), AgentPhoneState::unavailable());

  signInWithLine();
  phone().refreshAgentPhone();
  answer(500, {{"ok", false}, {"error", "Busy"}});
  model.signOutWorkspace(false);
  answer(200, {{"ok", true}});
  EXPECT_EQ(state(), AgentPhoneState::unavailable());
  EXPECT_EQ(phone().agentPhoneError.get(), "");

  signInWithLine();
  model.refreshWorkspaceSession();
  answer(503, {{"ok", false}});
  EXPECT_EQ(state(), AgentPhoneState::unavailable());
}

TEST_F(AgentPhoneControllerTest, TheTwilioTokenReachesOnlyTheService) {
  confirm("u1");
  answer(200, fullEnvelope(std::nullopt));
  Outcome refused;
  phone().connectAgentPhone(link(), record(refused));
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(nlohmann::json::parse(*lastRequest().body).at("authToken"), kToken);
  answer(422, {{"ok", false}, {"error", "This number is not in the Twilio account."}});
  Outcome connected;
  phone().connectAgentPhone(link(), record(connected));
  answer(200, fullEnvelope(lineJSON()));
  ASSERT_TRUE(connected && *connected);

  EXPECT_FALSE(platform.logger.entries.empty());
  for (const std::string& message : platform.logger.messages()) {
    EXPECT_THAT(message, Not(HasSubstr(kToken)));
  }
  EXPECT_THAT(phone().agentPhoneError.get(), Not(HasSubstr(kToken)));
}

}  // namespace
}  // namespace ondi
