#include "core/phone/AgentPhoneRecords.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/phone/AgentPhoneSetupDraft.h"
#include "core/util/InternetDateTime.h"
#include "core/util/Json.h"

namespace ondi {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

nlohmann::json line() {
  return {{"id", "line-1"},
          {"provider", "twilio"},
          {"label", "Customer line"},
          {"phoneNumber", "+14155550101"},
          {"maskedPhoneNumber", "+1 ••• ••• 0101"},
          {"agentId", "main"},
          {"agentName", "TELVORIX"},
          {"voice", "alloy"},
          {"inboundEnabled", true},
          {"outboundEnabled", false},
          {"allowedInboundCallers", nlohmann::json::array()},
          {"status", "active"},
          {"webhookUrl", "https://ondi.example/twilio/voice"},
          {"syncError", ""}};
}

AgentPhoneCall call(std::optional<std::string> startedAt, std::optional<std::string> updatedAt) {
  AgentPhoneCall call;
  call.startedAt = std::move(startedAt);
  call.updatedAt = std::move(updatedAt);
  return call;
}

TEST(AgentPhoneRecordsTest, EnvelopesDecodeWithOnlyOkAndLinesNeedTheirSyncError) {
  const auto bare = decodeJSON<AgentPhoneEnvelope>(R"({"ok": true})");
  ASSERT_TRUE(bare);
  EXPECT_TRUE(bare->ok);
  EXPECT_FALSE(bare->configuration || bare->line || bare->calls || bare->agents || bare->call ||
               bare->warning || bare->error);

  const auto connected =
      decodeJSON<AgentPhoneEnvelope>(nlohmann::json{{"ok", true}, {"line", line()}}.dump());
  ASSERT_TRUE(connected && connected->line);
  EXPECT_EQ(connected->line->connectedAt, std::nullopt);
  EXPECT_EQ(connected->line->maskedPhoneNumber, "+1 ••• ••• 0101");

  nlohmann::json withoutSyncError = line();
  withoutSyncError.erase("syncError");
  EXPECT_FALSE(decodeJSON<AgentPhoneEnvelope>(
      nlohmann::json{{"ok", true}, {"line", withoutSyncError}}.dump()));
}

TEST(AgentPhoneRecordsTest, RequestsWriteEveryKey) {
  const nlohmann::json routing = AgentPhoneRoutingRequest{"Desk", "main", true, false, {}};
  EXPECT_EQ(routing, nlohmann::json::parse(R"({"label": "Desk", "agentId": "main",
      "inboundEnabled": true, "outboundEnabled": false, "allowedInboundCallers": []})"));
  const nlohmann::json outbound = AgentPhoneOutboundRequest{"+14155550123", "Confirm the order"};
  EXPECT_EQ(outbound,
            nlohmann::json::parse(R"({"to": "+14155550123", "purpose": "Confirm the order"})"));
}

TEST(AgentPhoneRecordsTest, OnlyWholeSecondInternetTimesWithAZoneAreRead) {
  using std::chrono::sys_days;
  using namespace std::chrono_literals;
  const auto instant = sys_days{2026y / 12 / 7} + 17h + 40min;
  EXPECT_EQ(parseInternetDateTime("2026-12-07T17:40:00Z"), instant);
  EXPECT_EQ(parseInternetDateTime("2026-12-07T18:40:00+01:00"), instant);
  EXPECT_EQ(parseInternetDateTime("2026-12-07T12:10:00-05:30"), instant);
  for (const char* refused :
       {"2026-12-07T17:40:00.000Z", "2026-12-07T17:40:00", "2026-12-07 17:40:00Z",
        "2026-12-07t17:40:00z", "2026-02-30T17:40:00Z", "2026-12-07T24:00:00Z",
        "2026-12-07T17:40:00+0100", "2026-12-07T17:40Z", "2026-12-07T17:40:00Z ", ""}) {
    EXPECT_EQ(parseInternetDateTime(refused), std::nullopt) << refused;
  }
}

TEST(AgentPhoneRecordsTest, CallRowsShowTheLastChangeInTheUsersFormatOrRecently) {
  const std::string start = "Dec 7, 2026, 5:40\u202fPM";
  EXPECT_EQ(call("2026-12-07T17:00:00Z", "2026-12-07T17:40:00Z").timestampLabel("en_US", "UTC"),
            start);
  EXPECT_EQ(call("2026-12-07T17:40:00Z", std::nullopt).timestampLabel("en_US", "UTC"), start);
  EXPECT_EQ(call(std::nullopt, "2026-12-07T17:40:00Z").timestampLabel("de_DE", "Europe/Berlin"),
            "07.12.2026, 18:40");
  // A fractional update is not read, and the start is not used in its place.
  EXPECT_EQ(call("2026-12-07T17:00:00Z", "2026-12-07T17:40:00.250Z").timestampLabel("en_US", "UTC"),
            "Recently");
  EXPECT_EQ(call(std::nullopt, std::nullopt).timestampLabel(), "Recently");
}

TEST(AgentPhoneSetupDraftTest, ApprovedCallersSplitAtCommasAndLineBreaks) {
  EXPECT_THAT(
      AgentPhoneSetupDraft::allowedCallers(" +14155550101, +14155550102\n\n \r\n+14155550103 \n,"),
      ElementsAre("+14155550101", "+14155550102", "+14155550103"));
  EXPECT_THAT(AgentPhoneSetupDraft::allowedCallers(" \n , "), IsEmpty());

  AgentPhoneLine connected;
  connected.label = "Desk";
  connected.agentId = "main";
  connected.outboundEnabled = true;
  connected.allowedInboundCallers = {"+14155550101", "+14155550102"};
  const auto draft = AgentPhoneSetupDraft::forLine(connected);
  EXPECT_EQ(draft.allowedCallersText, "+14155550101\n+14155550102");
  const nlohmann::json request = draft.routingRequest();
  EXPECT_EQ(request.at("allowedInboundCallers"), nlohmann::json({"+14155550101", "+14155550102"}));
  EXPECT_EQ(request.at("inboundEnabled"), false);
}

TEST(AgentPhoneSetupDraftTest, SavingNeedsRoutingAndForANewNumberItsCredentials) {
  const std::string token(32, 'a');
  AgentPhoneSetupDraft draft;
  draft.accountSid = " AC0123 ";
  draft.phoneNumber = " +14155550101";
  draft.label = "Customer line";
  draft.agentId = "main";
  EXPECT_TRUE(draft.canSave(token));

  auto changed = [&](auto edit, const std::string& withToken) {
    AgentPhoneSetupDraft copy = draft;
    edit(copy);
    return copy.canSave(withToken);
  };
  EXPECT_FALSE(draft.canSave(std::string(31, 'a')));
  EXPECT_FALSE(changed([](auto& d) { d.accountSid = "SK0123"; }, token));
  EXPECT_FALSE(changed([](auto& d) { d.phoneNumber = "14155550101"; }, token));
  EXPECT_FALSE(changed([](auto& d) { d.label = "  "; }, token));
  EXPECT_FALSE(changed([](auto& d) { d.agentId = ""; }, token));
  EXPECT_FALSE(changed([](auto& d) { d.inboundEnabled = d.outboundEnabled = false; }, token));
  EXPECT_TRUE(changed([](auto& d) { d.inboundEnabled = false, d.outboundEnabled = true; }, token));

  // Editing routing asks for no credentials, but still for the routing itself.
  AgentPhoneSetupDraft editing = draft;
  editing.editing = true;
  editing.accountSid = editing.phoneNumber = "";
  EXPECT_TRUE(editing.canSave(""));
  editing.label = "";
  EXPECT_FALSE(editing.canSave(""));

  const nlohmann::json link = draft.linkRequest(" " + token + " ");
  EXPECT_EQ(link.at("accountSid"), "AC0123");
  EXPECT_EQ(link.at("authToken"), token);
  EXPECT_EQ(link.at("phoneNumber"), "+14155550101");
}

}  // namespace
}  // namespace ondi
