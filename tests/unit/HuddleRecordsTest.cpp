#include <set>

#include <gtest/gtest.h>

#include "core/util/Json.h"
#include "core/voice/HuddleRecords.h"

namespace ondi {
namespace {

TEST(HuddleRecordsTest, AConfigurationSendsOnlyTheIncludedAgentsWithoutScreenFields) {
  HuddleConfiguration configuration{HuddleSelectionMode::all, defaultHuddleRoster()};
  for (const char* off : {"architect", "seo", "testing"}) {
    for (auto& participant : configuration.participants) {
      if (participant.id == off) participant.isIncluded = false;
    }
  }
  EXPECT_EQ(
      toJSON(configuration).dump(),
      R"({"mode":"all","participants":[)"
      R"({"id":"main","name":"Main Agent","role":"Facilitates, resolves conflicts, and names the next step.","voice":"Marin","modelMode":"openai"},)"
      R"({"id":"ads","name":"Ads Agent","role":"Paid acquisition, audiences, creative testing, and spend.","voice":"Coral","modelMode":"anthropic"},)"
      R"({"id":"developer","name":"Developer Agent","role":"Implementation, code, debugging, and technical changes.","voice":"Echo","modelMode":"openai"},)"
      R"({"id":"integration","name":"Integration Agent","role":"Connectors, APIs, authentication, webhooks, and data flow.","voice":"Ash","modelMode":"openai"}]})");

  for (auto& participant : configuration.participants) participant.isIncluded = false;
  configuration.mode = HuddleSelectionMode::relevant;
  EXPECT_EQ(toJSON(configuration).dump(), R"({"mode":"relevant","participants":[]})");
}

TEST(HuddleRecordsTest, TheRosterHasSevenDistinctVoicesAndProvidersMapToTwoFamilies) {
  std::set<std::string> voices;
  for (const auto& participant : defaultHuddleRoster()) voices.insert(participant.voice);
  EXPECT_EQ(voices.size(), 7u);

  auto participant = defaultHuddleRoster().front();
  participant.setProvider(VelmoraModelProvider::anthropic);
  EXPECT_EQ(participant.modelMode, "anthropic");
  EXPECT_EQ(participant.provider(), VelmoraModelProvider::anthropic);
  for (auto provider : {VelmoraModelProvider::cursor, VelmoraModelProvider::automatic}) {
    participant.setProvider(VelmoraModelProvider::anthropic);
    participant.setProvider(provider);
    EXPECT_EQ(participant.modelMode, "openai");
  }
}

TEST(HuddleRecordsTest, SnapshotsDecodeOptionalVoicesAndRejectTurnsMissingRequiredKeys) {
  const auto snapshot = decodeJSON<HuddleSnapshot>(
      R"({"enabled":true,"mode":"all","status":"speaking","activeAgentId":"ads",
          "microphoneMuted":true,"turns":[
        {"id":"1","kind":"user","agentId":"user","speaker":"You","provider":"openai",
         "model":"realtime","text":"Hello","available":true,"createdAt":"t1"},
        {"id":"2","kind":"agent","agentId":"ads","speaker":"Ads Agent","provider":"anthropic",
         "model":"fable-5","voice":null,"text":"Hi","available":false,"createdAt":"t2"},
        {"id":"3","kind":"agent","agentId":"main","speaker":"Main Agent","provider":"openai",
         "model":"gpt-5.6","voice":"Marin","text":"Next","available":true,"createdAt":"t3"}]})");
  ASSERT_TRUE(snapshot);
  ASSERT_EQ(snapshot->turns.size(), 3u);
  EXPECT_FALSE(snapshot->turns[0].voice);
  EXPECT_FALSE(snapshot->turns[1].voice);
  EXPECT_EQ(snapshot->turns[2].voice, "Marin");
  EXPECT_TRUE(snapshot->microphoneMuted);

  EXPECT_FALSE(decodeJSON<HuddleSnapshot>(
      R"({"enabled":true,"mode":"all","status":"idle","activeAgentId":"","microphoneMuted":false,
          "turns":[{"id":"1","kind":"user","agentId":"u","speaker":"You","provider":"p",
                    "model":"m","text":"t","createdAt":"c"}]})"));
  EXPECT_FALSE(decodeJSON<HuddleSnapshot>(
      R"({"enabled":true,"mode":"all","status":"idle","activeAgentId":"","turns":[]})"));
  EXPECT_EQ(HuddleSnapshot::empty().mode, "relevant");
}

TEST(HuddleRecordsTest, TheAccessDetailPrefersTheReasonThenSignInThenPlanThenReadiness) {
  auto status = [](const char* json) { return decodeJSON<RealtimeVoiceAccessStatus>(json); };
  EXPECT_EQ(status(R"({"realtimeReady":true,"realtimeAuthRequired":true,
                       "realtimeUpgradeRequired":true,"realtimeReason":"  Quota used up.\n"})")
                ->detail(),
            "Quota used up.");
  EXPECT_EQ(status(R"({"realtimeReady":false,"realtimeAuthRequired":true,
                       "realtimeUpgradeRequired":true,"realtimeReason":"   "})")
                ->detail(),
            "Sign in to start a realtime call.");
  EXPECT_EQ(status(R"({"realtimeReady":true,"realtimeAuthRequired":false,
                       "realtimeUpgradeRequired":true})")
                ->detail(),
            "Review your plan before starting a realtime call.");
  EXPECT_EQ(status(R"({"realtimeReady":true,"realtimeAuthRequired":false,
                       "realtimeUpgradeRequired":false,"realtimeReason":null})")
                ->detail(),
            "Ready to start");
  EXPECT_EQ(status(R"({"realtimeReady":false,"realtimeAuthRequired":false,
                       "realtimeUpgradeRequired":false})")
                ->detail(),
            "Realtime voice is unavailable. Please try again.");
  EXPECT_FALSE(status(R"({"realtimeReady":true,"realtimeAuthRequired":false})"));
  EXPECT_EQ(huddleAccessHTTPErrorDescription(503), "Realtime access status returned HTTP 503.");
}

}  // namespace
}  // namespace ondi
