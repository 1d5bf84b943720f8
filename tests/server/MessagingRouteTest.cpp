// Each account's private messaging route over the shared iMessage relay, its connect page, and
// the relay heartbeat file the tests of the messaging screen write.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <string>

#include "AccountSteps.h"
#include "HttpTestClient.h"
#include "OndiServerProcess.h"
#include "TemporaryDirectory.h"

namespace {

using Json = nlohmann::json;

constexpr char kRoute[] = "/api/messaging/route";
constexpr char kRotate[] = "/api/messaging/route/rotate";

void expectError(const HttpReply& reply, unsigned status, const std::string& error) {
  EXPECT_EQ(reply.status, status) << reply.body;
  EXPECT_EQ(reply.json(), Json({{"ok", false}, {"error", error}})) << reply.body;
}

Json route(const HttpReply& reply) {
  EXPECT_EQ(reply.status, 200u) << reply.body;
  const Json body = reply.json();
  EXPECT_EQ(body["ok"], true);
  return body["route"];
}

std::string connectPath(const Json& route) {
  return "/messaging/connect?code=" + route["code"].get<std::string>();
}

TEST(MessagingRouteTest, WithoutARelayAddressTheRouteCannotBeServed) {
  OndiServerProcess server;
  const HttpTestClient client(server.baseURL(), HttpTestClient::Cookies::keep);
  expectError(client.send("GET", kRoute), 401, "Sign in from the Agent workspace first");
  ASSERT_EQ(signUp(client, "ada@example.com").status, 200u);
  expectError(client.send("GET", kRoute), 503, "Configure the shared iMessage relay address");
  expectError(client.send("POST", kRotate, "{}"), 503,
              "Configure the shared iMessage relay address");
}

TEST(MessagingRouteTest, EachAccountHasOneStableRouteUntilItsCodeIsRotated) {
  OndiServerProcess server(
      {.extraArguments = {"--messaging-relay-address", " Relay@Example.COM "}});
  const HttpTestClient client(server.baseURL(), HttpTestClient::Cookies::keep);
  ASSERT_EQ(signUp(client, "ada@example.com").status, 200u);
  const HttpTestClient browser(server.baseURL(), HttpTestClient::Cookies::ignore,
                               HttpTestClient::Caller::page);

  const Json first = route(client.send("GET", kRoute));
  const std::string code = first["code"];
  EXPECT_TRUE(std::regex_match(code, std::regex("[A-HJ-NP-Z2-9]{4}-[A-HJ-NP-Z2-9]{4}"))) << code;
  const std::string connectUrl = server.baseURL() + connectPath(first);
  EXPECT_EQ(first, (Json{{"id", first["id"]},
                         {"code", code},
                         {"recipient", "relay@example.com"},
                         {"maskedDestination", "re•••@example.com"},
                         {"agent", {{"id", "main"}, {"name", "TELVORIX"}}},
                         {"connectUrl", connectUrl},
                         {"qrPayload", connectUrl},
                         {"channel", "imessage"},
                         {"transport", "imessage"}}));
  EXPECT_EQ(route(client.send("GET", kRoute)), first);

  const HttpReply page = browser.send("GET", connectPath(first));
  ASSERT_EQ(page.status, 200u);
  EXPECT_NE(page.body.find("TELVORIX"), std::string::npos);
  EXPECT_NE(page.body.find(code), std::string::npos);
  EXPECT_NE(page.body.find("relay@example.com"), std::string::npos);

  // Another account gets a route of its own.
  const HttpTestClient other(server.baseURL(), HttpTestClient::Cookies::keep);
  ASSERT_EQ(signUp(other, "grace@example.com").status, 200u);
  const Json theirs = route(other.send("GET", kRoute));
  EXPECT_NE(theirs["id"], first["id"]);
  EXPECT_NE(theirs["code"], code);

  const Json rotated = route(client.send("POST", kRotate, "{}"));
  EXPECT_EQ(rotated["id"], first["id"]);
  EXPECT_NE(rotated["code"], code);
  EXPECT_EQ(rotated["qrPayload"], server.baseURL() + connectPath(rotated));
  EXPECT_EQ(route(client.send("GET", kRoute)), rotated);
  const HttpReply old = browser.send("GET", connectPath(first));
  EXPECT_EQ(old.status, 404u);
  EXPECT_NE(old.body.find("replaced by a newer one"), std::string::npos);
  EXPECT_EQ(browser.send("GET", connectPath(rotated)).status, 200u);
  EXPECT_EQ(browser.send("GET", connectPath(theirs)).status, 200u);
  EXPECT_EQ(browser.send("GET", "/messaging/connect?code=%3Cscript%3E").status, 404u);
  EXPECT_EQ(client.send("POST", kRotate, "[]").status, 400u);
}

TEST(MessagingRouteTest, TheHeartbeatTestRouteWritesTheFileTheAppReads) {
  const TemporaryDirectory folder;
  const auto file = folder.path() / "imessage-relay-health.json";
  OndiServerProcess server(
      {.extraArguments = {"--test-routes", "--relay-heartbeat-file", file.string()}});
  const HttpTestClient client(server.baseURL());

  const HttpReply written = client.send("POST", "/api/test/relay-heartbeat",
                                        R"({"status":"watching","online":true,"ageSeconds":61})");
  ASSERT_EQ(written.status, 200u) << written.body;
  std::ifstream stream(file);
  const Json heartbeat = Json::parse(stream);
  EXPECT_EQ(written.json()["heartbeat"], heartbeat);
  EXPECT_EQ(heartbeat["status"], "watching");
  EXPECT_EQ(heartbeat["online"], true);
  // The stamp is the computer's time less the age, in whole seconds.
  const std::string stamp = heartbeat["lastHeartbeatAt"];
  std::tm parts{};
  ASSERT_TRUE(strptime(stamp.c_str(), "%Y-%m-%dT%H:%M:%SZ", &parts)) << stamp;
  const auto age = std::time(nullptr) - timegm(&parts);
  EXPECT_GE(age, 61);
  EXPECT_LE(age, 70);

  for (const char* body : {R"({"status":"watching"})", R"({"status":3,"online":true})",
                           R"({"status":"watching","online":true,"ageSeconds":1.5})", "[]"}) {
    EXPECT_EQ(client.send("POST", "/api/test/relay-heartbeat", body).status, 400u) << body;
  }

  OndiServerProcess withoutFile({.extraArguments = {"--test-routes"}});
  EXPECT_EQ(HttpTestClient(withoutFile.baseURL())
                .send("POST", "/api/test/relay-heartbeat", R"({"status":"watching","online":true})")
                .status,
            409u);
}

}  // namespace
