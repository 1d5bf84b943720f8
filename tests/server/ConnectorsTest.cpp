// The stand-in app broker: the account's apps, authorization through its HTTPS page, and the
// modes in which it is not set up or not answering.
#include <gtest/gtest.h>

#include <string>

#include "AccountSteps.h"
#include "HttpTestClient.h"
#include "OndiServerProcess.h"

namespace {

using Json = nlohmann::json;

constexpr char kFormType[] = "application/x-www-form-urlencoded";

class ConnectorsTest : public ::testing::Test {
 protected:
  explicit ConnectorsTest(std::vector<std::string> flags = {})
      : server_(OndiServerProcess::Options{.extraArguments = std::move(flags)}) {
    broker_.trustCertificate(server_.certificateFile());
  }

  // A signed-in desktop client of a new account.
  std::unique_ptr<HttpTestClient> account(std::string_view email) {
    auto client =
        std::make_unique<HttpTestClient>(server_.baseURL(), HttpTestClient::Cookies::keep);
    EXPECT_EQ(signUp(*client, email).status, 200u);
    return client;
  }

  static Json app(const Json& listing, std::string_view slug) {
    for (const Json& entry : listing.at("connectors")) {
      if (entry.at("slug") == slug) return entry;
    }
    return nullptr;
  }

  // The authorization page's path on the HTTPS origin, from the answer that started it.
  std::string linkPath(const HttpReply& started) {
    const std::string address = started.json().at("redirectUrl");
    EXPECT_TRUE(address.starts_with(server_.secureBaseURL() + "/connect/")) << address;
    return address.substr(server_.secureBaseURL().size());
  }

  HttpReply decide(const std::string& path, std::string_view decision) {
    return broker_.send("POST", path, "decision=" + std::string(decision),
                        {{"Content-Type", kFormType}});
  }

  OndiServerProcess server_;
  HttpTestClient broker_{server_.secureBaseURL(), HttpTestClient::Cookies::ignore,
                         HttpTestClient::Caller::page};
};

TEST_F(ConnectorsTest, ListsTheBrokersAppsToSignedInAccountsOnly) {
  const HttpTestClient stranger(server_.baseURL());
  const HttpReply refused = stranger.send("GET", "/api/connectors");
  EXPECT_EQ(refused.status, 401u);
  EXPECT_EQ(refused.json()["error"], "Sign in to Ondi to manage connected accounts.");
  EXPECT_EQ(stranger.send("POST", "/api/connectors/gmail", "{}").status, 401u);

  const auto ada = account("ada@example.com");
  const Json listing = ada->send("GET", "/api/connectors").json();
  EXPECT_EQ(listing["ok"], true);
  EXPECT_EQ(listing["configured"], true);
  EXPECT_EQ(listing["available"], true);
  EXPECT_EQ(listing["connectedCount"], 0);
  ASSERT_EQ(listing["connectors"].size(), 32u);
  EXPECT_EQ(listing["connectors"][0], (Json{{"slug", "gmail"},
                                            {"name", "Gmail"},
                                            {"category", "Email"},
                                            {"status", "not_connected"}}));
  EXPECT_EQ(listing["connectors"][31]["slug"], "heygen");
  const HttpReply unknown = ada->send("POST", "/api/connectors/myspace", "{}");
  EXPECT_EQ(unknown.status, 404u);
  EXPECT_EQ(unknown.json()["error"], "Ondi does not offer an app named \"myspace\".");
}

TEST_F(ConnectorsTest, AuthorizingOnTheHttpsPageConnectsTheAppForThatAccountOnly) {
  const auto ada = account("ada@example.com");
  const auto grace = account("grace@example.com");
  const HttpReply started = ada->send("POST", "/api/connectors/gmail", "{}");
  ASSERT_EQ(started.status, 200u) << started.body;
  EXPECT_EQ(started.json()["alreadyConnected"], false);
  const std::string path = linkPath(started);
  EXPECT_EQ(app(ada->send("GET", "/api/connectors").json(), "gmail"),
            (Json{{"slug", "gmail"},
                  {"name", "Gmail"},
                  {"category", "Email"},
                  {"status", "action_required"},
                  {"connectionStatus", "INITIATED"}}));

  const HttpReply page = broker_.send("GET", path);
  ASSERT_EQ(page.status, 200u) << page.body;
  EXPECT_NE(page.body.find("Connect Gmail to Ondi"), std::string::npos);
  const HttpReply allowed = decide(path, "allow");
  EXPECT_EQ(allowed.status, 200u);
  EXPECT_NE(allowed.body.find("Gmail is connected"), std::string::npos);

  const Json listing = ada->send("GET", "/api/connectors").json();
  EXPECT_EQ(listing["connectedCount"], 1);
  EXPECT_EQ(app(listing, "gmail")["status"], "connected");
  EXPECT_EQ(app(listing, "gmail")["connectionStatus"], "ACTIVE");
  EXPECT_EQ(app(grace->send("GET", "/api/connectors").json(), "gmail")["status"], "not_connected");
  EXPECT_EQ(ada->send("POST", "/api/connectors/gmail", "{}").json(),
            (Json{{"ok", true}, {"alreadyConnected", true}}));
  // A link works once.
  EXPECT_EQ(decide(path, "allow").status, 404u);
  EXPECT_EQ(broker_.send("GET", path).status, 404u);
  // The log names the route, never the link.
  ASSERT_TRUE(server_.waitForStandardError("GET /connect/[redacted] 404"));
  EXPECT_EQ(server_.standardError().find(path), std::string::npos);
}

TEST_F(ConnectorsTest, DenyingForgetsTheStartedAuthorization) {
  const auto ada = account("ada@example.com");
  const std::string path = linkPath(ada->send("POST", "/api/connectors/slack", "{}"));
  EXPECT_EQ(decide(path, "maybe").status, 400u);
  EXPECT_NE(decide(path, "deny").body.find("Slack was not connected"), std::string::npos);
  EXPECT_EQ(app(ada->send("GET", "/api/connectors").json(), "slack")["status"], "not_connected");
}

TEST_F(ConnectorsTest, TheConnectorsPageShowsTheAccountsAppsAndDisconnectsThem) {
  const auto ada = account("ada@example.com");
  decide(linkPath(ada->send("POST", "/api/connectors/github", "{}")), "allow");

  HttpTestClient browser(server_.baseURL(), HttpTestClient::Cookies::keep,
                         HttpTestClient::Caller::page);
  const std::string pagePath = "/agent.html?source=mac_app&surface=connectors";
  EXPECT_NE(browser.send("GET", pagePath).body.find("Log in"), std::string::npos);
  ASSERT_EQ(signIn(browser, "ada@example.com").status, 200u);
  const HttpReply page = browser.send("GET", pagePath);
  EXPECT_NE(page.body.find("id=\"state-github\">Connected"), std::string::npos);
  EXPECT_NE(page.body.find("id=\"state-gmail\">Not connected"), std::string::npos);

  const HttpReply disconnected = browser.send("POST", "/api/connectors/github/disconnect", "x=1",
                                              {{"Content-Type", kFormType}});
  EXPECT_EQ(disconnected.status, 302u);
  EXPECT_EQ(disconnected.headerValues("Location"), std::vector<std::string>{pagePath});
  EXPECT_EQ(app(ada->send("GET", "/api/connectors").json(), "github")["status"], "not_connected");

  const HttpReply billing = browser.send("GET", "/agent.html?source=mac_app&surface=billing");
  EXPECT_NE(billing.body.find("id=\"plan-free\">Try one personal or business task. "
                              "<strong>Your plan</strong>"),
            std::string::npos);
}

class NotConfiguredBrokerTest : public ConnectorsTest {
 protected:
  NotConfiguredBrokerTest() : ConnectorsTest({"--connector-broker", "not-configured"}) {}
};

TEST_F(NotConfiguredBrokerTest, ListsEveryAppAsNeedingServerSetupAndStartsNone) {
  const auto ada = account("ada@example.com");
  const Json listing = ada->send("GET", "/api/connectors").json();
  EXPECT_EQ(listing["ok"], true);
  EXPECT_EQ(listing["configured"], false);
  EXPECT_EQ(listing["available"], false);
  EXPECT_EQ(listing["connectors"].size(), 32u);
  EXPECT_EQ(app(listing, "notion")["status"], "setup_required");
  const HttpReply started = ada->send("POST", "/api/connectors/notion", "{}");
  EXPECT_EQ(started.status, 503u);
  EXPECT_EQ(started.json()["error"], "Composio server setup is required.");
}

class UnavailableBrokerTest : public ConnectorsTest {
 protected:
  UnavailableBrokerTest() : ConnectorsTest({"--connector-broker", "unavailable"}) {}
};

TEST_F(UnavailableBrokerTest, ListsEveryAppAsUnavailableAndStartsNone) {
  const auto ada = account("ada@example.com");
  const Json listing = ada->send("GET", "/api/connectors").json();
  EXPECT_EQ(listing["configured"], true);
  EXPECT_EQ(listing["available"], false);
  EXPECT_EQ(app(listing, "figma")["status"], "unavailable");
  const HttpReply started = ada->send("POST", "/api/connectors/figma", "{}");
  EXPECT_EQ(started.status, 503u);
  EXPECT_EQ(started.json()["error"], "Composio is temporarily unavailable.");
}

}  // namespace
