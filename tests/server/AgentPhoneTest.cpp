// The agent phone through the stand-in carrier: connecting a Twilio number to an agent, its
// routing, disconnecting, the auth token's secrecy, outbound calls and the server's modes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include <sqlite3.h>
#include <sys/stat.h>

#include "AccountSteps.h"
#include "HttpTestClient.h"
#include "OndiServerProcess.h"

namespace {

using Json = nlohmann::json;

constexpr char kToken[] = "5f1c0d9e8b7a69584736251403f2e1d0";
constexpr char kSid[] = "AC0123456789abcdef0123456789ABCDEF";
constexpr char kIsoSeconds[] = R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)";

Json linkRequest() {
  return {{"accountSid", kSid},
          {"authToken", kToken},
          {"phoneNumber", "+15550100101"},
          {"label", "  Front desk "},
          {"agentId", "ads"},
          {"inboundEnabled", true},
          {"outboundEnabled", true},
          {"allowedInboundCallers", Json::array()}};
}

Json routingRequest() {
  return {{"label", "After hours"},
          {"agentId", "seo"},
          {"inboundEnabled", true},
          {"outboundEnabled", false},
          {"allowedInboundCallers", {"+447700900123"}}};
}

void expectError(const HttpReply& reply, unsigned status, const std::string& error) {
  EXPECT_EQ(reply.status, status) << reply.body;
  EXPECT_EQ(reply.json(), Json({{"ok", false}, {"error", error}})) << reply.body;
}

std::string fileBytes(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(stream), {}};
}

class AgentPhoneTest : public ::testing::Test {
 protected:
  AgentPhoneTest() { EXPECT_EQ(signUp(client_, "ada@example.com").status, 200u); }

  Json connect(const Json& request = linkRequest()) const {
    const HttpReply reply = client_.send("POST", "/api/account/phone", request.dump());
    EXPECT_EQ(reply.status, 200u) << reply.body;
    return reply.json();
  }

  HttpReply placeCall(std::string_view to = "+15550100199") const {
    return client_.send("POST", "/api/account/phone/calls",
                        Json{{"to", to}, {"purpose", " Confirm the booking "}}.dump());
  }

  OndiServerProcess server_{{.extraArguments = {"--test-routes"}}};
  HttpTestClient client_{server_.baseURL(), HttpTestClient::Cookies::keep};
};

TEST_F(AgentPhoneTest, ConnectEditAndDisconnectAnswerTheWholeEnvelope) {
  const Json empty = client_.send("GET", "/api/account/phone").json();
  EXPECT_EQ(empty["configuration"], (Json{{"ready", true},
                                          {"missing", Json::array()},
                                          {"model", "gpt-realtime"},
                                          {"provider", "Twilio + OpenAI Realtime SIP"}}));
  EXPECT_FALSE(empty.contains("line"));
  EXPECT_EQ(empty["calls"], Json::array());
  ASSERT_EQ(empty["agents"].size(), 7u);
  EXPECT_EQ(empty["agents"][2], (Json{{"id", "ads"},
                                      {"name", "Ads Agent"},
                                      {"voice", "Coral"},
                                      {"role",
                                       "Paid acquisition, audiences, creative testing, "
                                       "and spend."}}));

  const Json connected = connect();
  EXPECT_EQ(connected["ok"], true);
  EXPECT_EQ(connected["agents"], empty["agents"]);
  Json line = connected["line"];
  const std::string id = line["id"];
  EXPECT_TRUE(std::regex_match(line["connectedAt"].get<std::string>(), std::regex(kIsoSeconds)));
  EXPECT_EQ(line["lastSyncedAt"], line["connectedAt"]);
  EXPECT_EQ(line["webhookUrl"], server_.baseURL() + "/api/agent-phone/twilio/voice/" + id);
  for (const char* key : {"id", "connectedAt", "lastSyncedAt", "webhookUrl"}) line.erase(key);
  EXPECT_EQ(line, (Json{{"provider", "twilio"},
                        {"label", "Front desk"},
                        {"phoneNumber", "+15550100101"},
                        {"maskedPhoneNumber", "+1 ••• ••• 0101"},
                        {"agentId", "ads"},
                        {"agentName", "Ads Agent"},
                        {"voice", "Coral"},
                        {"inboundEnabled", true},
                        {"outboundEnabled", true},
                        {"allowedInboundCallers", Json::array()},
                        {"status", "active"},
                        {"syncError", ""}}));
  EXPECT_EQ(client_.send("GET", "/api/account/phone").json(), connected);

  advanceClock(client_, 90);
  const HttpReply edited = client_.send("PUT", "/api/account/phone", routingRequest().dump());
  ASSERT_EQ(edited.status, 200u) << edited.body;
  const Json routed = edited.json()["line"];
  EXPECT_EQ(routed["id"], id);
  EXPECT_EQ(routed["label"], "After hours");
  EXPECT_EQ(routed["agentName"], "SEO Agent");
  EXPECT_EQ(routed["voice"], "Shimmer");
  EXPECT_EQ(routed["outboundEnabled"], false);
  EXPECT_EQ(routed["allowedInboundCallers"], Json{"+447700900123"});
  EXPECT_EQ(routed["connectedAt"], connected["line"]["connectedAt"]);
  EXPECT_NE(routed["lastSyncedAt"], routed["connectedAt"]);

  const HttpReply removed = client_.send("DELETE", "/api/account/phone", "{}");
  ASSERT_EQ(removed.status, 200u);
  EXPECT_EQ(removed.json(), empty);
  expectError(client_.send("PUT", "/api/account/phone", routingRequest().dump()), 404,
              "No phone number is connected.");
  // The number can be connected again once the first is gone.
  EXPECT_NE(connect()["line"]["id"], id);
}

TEST_F(AgentPhoneTest, TheAuthTokenIsSealedAtRestAndNeverAnsweredOrLogged) {
  const Json connected = connect();
  EXPECT_EQ(connected.dump().find(kToken), std::string::npos);
  // A token sent in the wrong shape is refused without being repeated.
  Json upperCase = linkRequest();
  upperCase["authToken"] = "5F1C0D9E8B7A69584736251403F2E1D0";
  const HttpReply refused = client_.send("POST", "/api/account/phone", upperCase.dump());
  expectError(refused, 400, "The Twilio auth token must be 32 characters of 0-9 and a-f.");
  ASSERT_TRUE(server_.waitForStandardError("POST /api/account/phone 400"));

  // The database with its write-ahead log holds the line, but not the token.
  const std::filesystem::path data = server_.dataDirectory();
  std::string stored;
  for (const auto& entry : std::filesystem::directory_iterator(data)) {
    if (entry.path().filename().string().starts_with("ondi.sqlite3")) {
      stored += fileBytes(entry.path());
    }
  }
  EXPECT_NE(stored.find("+15550100101"), std::string::npos);
  EXPECT_EQ(stored.find(kToken), std::string::npos);
  EXPECT_EQ(server_.standardError().find(kToken), std::string::npos);
  struct stat key {};
  ASSERT_EQ(stat((data / "phone-token.key").c_str(), &key), 0);
  EXPECT_EQ(key.st_mode & 0777, 0600u);
  EXPECT_EQ(key.st_size, 32);

  // Without its key the sealed token is useless: the routing is kept, but the line must be
  // connected again.
  std::filesystem::remove(data / "phone-token.key");
  const Json line =
      client_.send("PUT", "/api/account/phone", routingRequest().dump()).json()["line"];
  EXPECT_EQ(line["label"], "After hours");
  EXPECT_EQ(line["status"], "needs_reconnect");
  EXPECT_EQ(line["syncError"],
            "The saved Twilio credentials can no longer be read; disconnect the number and "
            "connect it again.");
  EXPECT_EQ(line["lastSyncedAt"], connected["line"]["lastSyncedAt"]);
}

TEST_F(AgentPhoneTest, RequestsAreCheckedFieldByField) {
  const auto refusal = [](const char* key, Json value) {
    Json request = linkRequest();
    if (value.is_null()) {
      request.erase(key);
    } else {
      request[key] = std::move(value);
    }
    return request;
  };
  const std::string e164 =
      "Each allowed caller must be a phone number in E.164 form, such as "
      "+15550100101.";
  const std::pair<Json, std::string> cases[] = {
      {refusal("accountSid", "AC0123"),
       "The Twilio account SID must be \"AC\" followed by 32 hexadecimal characters."},
      {refusal("accountSid", 42),
       "The Twilio account SID must be \"AC\" followed by 32 hexadecimal characters."},
      {refusal("authToken", nullptr),
       "The Twilio auth token must be 32 characters of 0-9 and a-f."},
      {refusal("phoneNumber", "+1555"),
       "The phone number must be in E.164 form, such as "
       "+15550100101."},
      {refusal("phoneNumber", "555 0100 101"),
       "The phone number must be in E.164 form, such "
       "as +15550100101."},
      {refusal("label", " \n "), "Give the number a label."},
      {refusal("label", std::string(81, 'x')), "The label must be at most 80 characters."},
      {refusal("label", Json::array()), "The label must be text."},
      {refusal("agentId", "nobody"), "Choose one of the account's agents to answer the number."},
      {refusal("inboundEnabled", "yes"),
       "Inbound and outbound calling must each be on or off (true or false)."},
      {[&] {
         Json both = refusal("inboundEnabled", false);
         both["outboundEnabled"] = false;
         return both;
       }(),
       "Turn on inbound or outbound calling."},
      {refusal("allowedInboundCallers", "+15550100101"),
       "Allowed callers must be a list of phone numbers."},
      {refusal("allowedInboundCallers", {"+15550100101", 7}),
       "Allowed callers must be a list of phone numbers."},
      {refusal("allowedInboundCallers", {"+15550100101", "+1 555"}), e164},
      {refusal("allowedInboundCallers", Json(std::vector<std::string>(51, "+15550100101"))),
       "At most 50 allowed callers can be listed."},
  };
  for (const auto& [request, error] : cases) {
    SCOPED_TRACE(request.dump());
    expectError(client_.send("POST", "/api/account/phone", request.dump()), 400, error);
  }
  for (const char* body : {"[]", "\"text\"", "7"}) {
    expectError(client_.send("POST", "/api/account/phone", body), 400,
                "The request body must be a JSON object.");
  }
  expectError(
      client_.send("POST", "/api/account/phone", refusal("phoneNumber", "+15550100000").dump()),
      422, "This number is not in the Twilio account.");
  EXPECT_FALSE(client_.send("GET", "/api/account/phone").json().contains("line"));

  connect();
  expectError(client_.send("POST", "/api/account/phone", linkRequest().dump()), 409,
              "Disconnect the connected number first.");
  Json badRouting = routingRequest();
  badRouting["agentId"] = 3;
  expectError(client_.send("PUT", "/api/account/phone", badRouting.dump()), 400,
              "Choose one of the account's agents to answer the number.");
  expectError(client_.send("POST", "/api/account/phone/calls", R"({"to":"+1","purpose":"x"})"), 400,
              "The number to call must be in E.164 form, such as +15550100101.");
  expectError(client_.send("POST", "/api/account/phone/calls",
                           Json{{"to", "+15550100199"}, {"purpose", std::string(501, 'p')}}.dump()),
              400, "Say what the call is for, in at most 500 characters.");

  const HttpTestClient stranger(server_.baseURL());
  for (const char* method : {"GET", "POST", "PUT", "DELETE"}) {
    expectError(stranger.send(method, "/api/account/phone", "{}"), 401,
                "Sign in to Ondi to manage an agent phone number.");
  }
  expectError(stranger.send("GET", "/api/account/phone/calls"), 401,
              "Sign in to Ondi to manage an agent phone number.");
}

// A line stored by an earlier version may name an agent the roster no longer has.
TEST_F(AgentPhoneTest, ACallForAnAgentThatLeftTheRosterIsRefused) {
  connect();
  sqlite3* database = nullptr;
  ASSERT_EQ(sqlite3_open((server_.dataDirectory() / "ondi.sqlite3").c_str(), &database), SQLITE_OK);
  sqlite3_busy_timeout(database, 5000);
  EXPECT_EQ(sqlite3_exec(database, "UPDATE agent_phone_lines SET agent_id = 'retired'", nullptr,
                         nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(database);
  expectError(placeCall(), 409,
              "The agent that answers this number is no longer offered. Choose another agent in "
              "the number's routing first.");
  ASSERT_EQ(client_.send("PUT", "/api/account/phone", routingRequest().dump()).status, 200u);
  Json routing = routingRequest();
  routing["outboundEnabled"] = true;
  ASSERT_EQ(client_.send("PUT", "/api/account/phone", routing.dump()).status, 200u);
  EXPECT_EQ(placeCall().status, 200u);
}

TEST_F(AgentPhoneTest, OutboundCallsMoveThroughTheirStatusesByTheClockAndAreLimitedPerHour) {
  expectError(placeCall(), 409, "Connect a phone number before placing calls.");
  Json inboundOnly = linkRequest();
  inboundOnly["outboundEnabled"] = false;
  connect(inboundOnly);
  expectError(placeCall(), 409, "Turn on outbound calling for the connected number first.");
  Json routing = routingRequest();
  routing["outboundEnabled"] = true;
  ASSERT_EQ(client_.send("PUT", "/api/account/phone", routing.dump()).status, 200u);

  const HttpReply placed = placeCall();
  ASSERT_EQ(placed.status, 200u) << placed.body;
  const Json answer = placed.json();
  EXPECT_FALSE(answer.contains("configuration") || answer.contains("agents") ||
               answer.contains("line"));
  Json call = answer["call"];
  EXPECT_EQ(answer["calls"], Json::array({call}));
  const std::string startedAt = call["startedAt"];
  EXPECT_EQ(call["updatedAt"], startedAt);
  for (const char* key : {"id", "lineId", "startedAt", "updatedAt"}) call.erase(key);
  EXPECT_EQ(call, (Json{{"direction", "outbound"},
                        {"remoteNumber", "+15550100199"},
                        {"maskedRemoteNumber", "+1 ••• ••• 0199"},
                        {"status", "queued"},
                        {"agentId", "seo"},
                        {"agentName", "SEO Agent"},
                        {"purpose", "Confirm the booking"}}));

  const auto latest = [this] {
    const HttpReply reply = client_.send("GET", "/api/account/phone/calls");
    EXPECT_EQ(reply.status, 200u) << reply.body;
    return reply.json()["calls"][0];
  };
  advanceClock(client_, 2);
  EXPECT_EQ(latest()["status"], "ringing");
  advanceClock(client_, 3);
  EXPECT_EQ(latest()["status"], "in-progress");
  EXPECT_FALSE(latest().contains("completedAt"));
  // Read long after the end, a call shows the time it completed, not the time it was read.
  advanceClock(client_, 600);
  const Json done = latest();
  EXPECT_EQ(done["status"], "completed");
  EXPECT_EQ(done["durationSeconds"], 60);
  EXPECT_EQ(done["completedAt"], done["updatedAt"]);
  EXPECT_NE(done["completedAt"], startedAt);

  // Five calls in a rolling hour, the first of them ten minutes ago.
  for (int i = 0; i < 4; ++i) ASSERT_EQ(placeCall().status, 200u);
  expectError(placeCall(), 429, "Outbound calls are limited to 5 per hour.");
  advanceClock(client_, 50 * 60);
  EXPECT_EQ(placeCall().status, 200u);
  expectError(placeCall(), 429, "Outbound calls are limited to 5 per hour.");
  const Json calls = client_.send("GET", "/api/account/phone/calls").json()["calls"];
  ASSERT_EQ(calls.size(), 6u);
  EXPECT_EQ(calls[5]["status"], "completed");
  EXPECT_GE(calls[0]["startedAt"], calls[1]["startedAt"]);
}

TEST(AgentPhoneModesTest, SetupRequiredNamesTheMissingSettingsAndNotFoundServesNothing) {
  OndiServerProcess setup({.extraArguments = {"--agent-phone", "setup-required"}});
  const HttpTestClient client(setup.baseURL(), HttpTestClient::Cookies::keep);
  ASSERT_EQ(signUp(client, "ada@example.com").status, 200u);
  const Json configuration = client.send("GET", "/api/account/phone").json()["configuration"];
  EXPECT_EQ(configuration["ready"], false);
  EXPECT_EQ(configuration["missing"],
            (Json{"OPENAI_REALTIME_SIP_URI", "TWILIO_VOICE_WEBHOOK_SECRET"}));
  ASSERT_EQ(client.send("POST", "/api/account/phone", linkRequest().dump()).status, 200u);
  EXPECT_EQ(
      client
          .send("POST", "/api/account/phone/calls", R"({"to":"+15550100199","purpose":"Confirm"})")
          .status,
      503u);

  OndiServerProcess absent({.extraArguments = {"--agent-phone=not-found"}});
  const HttpTestClient other(absent.baseURL(), HttpTestClient::Cookies::keep);
  ASSERT_EQ(signUp(other, "ada@example.com").status, 200u);
  for (const auto& [method, path] : {std::pair{"GET", "/api/account/phone"},
                                     {"POST", "/api/account/phone"},
                                     {"PUT", "/api/account/phone"},
                                     {"DELETE", "/api/account/phone"},
                                     {"GET", "/api/account/phone/calls"},
                                     {"POST", "/api/account/phone/calls"}}) {
    expectError(other.send(method, path, "{}"), 404, "Not found");
  }
}

}  // namespace
