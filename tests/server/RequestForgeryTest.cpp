// Requests another site makes a browser send: forms and fetches from a foreign page carry the
// user's cookie, so the server must tell them from the app's and its own pages' requests.
#include <gtest/gtest.h>

#include <string>

#include <nlohmann/json.hpp>

#include "AccountSteps.h"
#include "HttpTestClient.h"
#include "OndiServerProcess.h"

namespace {

constexpr char kForeignOrigin[] = "http://attacker.example";

class RequestForgeryTest : public ::testing::Test {
 protected:
  RequestForgeryTest() {
    EXPECT_EQ(signUp(app_, "owner@example.com").status, 200u);
    EXPECT_EQ(signUp(app_, "attacker@example.com", kPassword, "Mallory").status, 200u);
  }

  std::string signInBody(const std::string& email) const {
    return nlohmann::json({{"email", email}, {"password", kPassword}}).dump();
  }

  OndiServerProcess server_{{.extraArguments = {"--openai-test-endpoint"}}};
  const HttpTestClient app_{server_.baseURL()};
  // The user's browser: it keeps their cookies and sends them with any site's requests.
  HttpTestClient browser_{server_.baseURL(), HttpTestClient::Cookies::keep,
                          HttpTestClient::Caller::page};
};

TEST_F(RequestForgeryTest, ACrossSiteFormCannotSignTheBrowserIn) {
  // The form a foreign page can post without asking: text/plain, with that page's Origin.
  const HttpReply forged =
      browser_.send("POST", "/api/auth/password/sign-in", signInBody("attacker@example.com"),
                    {{"Content-Type", "text/plain"}, {"Origin", kForeignOrigin}});
  EXPECT_GE(forged.status, 400u);
  EXPECT_LT(forged.status, 500u);
  EXPECT_TRUE(forged.headerValues("Set-Cookie").empty());
  EXPECT_FALSE(browser_.cookie("velmora_session"));

  // Neither half alone passes: text/plain from the page's own origin, or JSON from another.
  EXPECT_EQ(browser_
                .send("POST", "/api/auth/password/sign-in", signInBody("attacker@example.com"),
                      {{"Content-Type", "text/plain"}})
                .status,
            415u);
  for (const char* origin : {kForeignOrigin, "null", "http://localhost", "http://127.0.0.1:1"}) {
    SCOPED_TRACE(origin);
    const HttpReply reply = browser_.send("POST", "/api/auth/password/sign-in",
                                          signInBody("attacker@example.com"), {{"Origin", origin}});
    EXPECT_EQ(reply.status, 403u);
    EXPECT_TRUE(reply.headerValues("Set-Cookie").empty());
  }
  EXPECT_EQ(sessionOf(browser_).at("authenticated"), false);
}

// A site whose name an attacker points at this computer (DNS rebinding) is its own origin to the
// browser, so its page's requests would pass the origin check: the server answers only requests
// that name it by its own host and port.
TEST_F(RequestForgeryTest, ARequestForAnotherHostNameIsNotAnswered) {
  const std::string base = server_.baseURL();
  const std::string port = base.substr(base.rfind(':') + 1);
  const auto request = [&](const std::string& method, const std::string& host) {
    const std::string body = signInBody("owner@example.com");
    return app_.sendRaw(method + " /api/" +
                        (method == "GET" ? "auth/session" : "auth/password/sign-in") +
                        " HTTP/1.1\r\nHost: " + host + "\r\nOrigin: http://" + host +
                        "\r\nContent-Type: application/json\r\nContent-Length: " +
                        std::to_string(method == "GET" ? 0 : body.size()) +
                        "\r\nConnection: close\r\n\r\n" + (method == "GET" ? "" : body));
  };
  for (const std::string& host : {"rebound.example:" + port, "127.0.0.1.nip.example:" + port,
                                  std::string("127.0.0.1:1"), std::string("127.0.0.1")}) {
    SCOPED_TRACE(host);
    for (const char* method : {"GET", "POST"}) {
      const std::string answer = request(method, host);
      EXPECT_TRUE(answer.starts_with("HTTP/1.1 421")) << answer.substr(0, 200);
      EXPECT_EQ(answer.find("Set-Cookie"), std::string::npos);
    }
  }
  for (const std::string& host : {"127.0.0.1:" + port, "localhost:" + port, "LOCALHOST:" + port}) {
    SCOPED_TRACE(host);
    EXPECT_TRUE(request("GET", host).starts_with("HTTP/1.1 200")) << request("GET", host);
    EXPECT_TRUE(request("POST", host).starts_with("HTTP/1.1 200"));
  }
}

TEST_F(RequestForgeryTest, AForeignSignOutLeavesTheSessionAlone) {
  ASSERT_EQ(signIn(browser_, "owner@example.com").status, 200u);
  const HttpReply forged =
      browser_.send("POST", "/api/auth/sign-out", "", {{"Origin", kForeignOrigin}});
  EXPECT_EQ(forged.status, 403u);
  EXPECT_TRUE(forged.headerValues("Set-Cookie").empty());
  EXPECT_EQ(sessionOf(browser_).at("user").at("email"), "owner@example.com");
  // A request with no sign of where it came from is refused too.
  const HttpTestClient bare(server_.baseURL(), HttpTestClient::Cookies::ignore,
                            HttpTestClient::Caller::page);
  EXPECT_EQ(bare.send("POST", "/api/auth/sign-out", "", {{"Origin", ""}}).status, 403u);
}

TEST_F(RequestForgeryTest, TheAppsAndThePagesOwnRequestsStillWork) {
  // The operator page: same-origin fetches with JSON bodies, and the Origin the browser adds.
  ASSERT_EQ(signIn(browser_, "owner@example.com").status, 200u);
  const HttpReply prompt =
      browser_.send("POST", "/api/agent/message",
                    nlohmann::json({{"message", "Hello"}, {"threadId", "default"}}).dump());
  EXPECT_EQ(prompt.status, 200u) << prompt.body;
  EXPECT_EQ(browser_.send("GET", "/api/agent/state", "", {{"Origin", kForeignOrigin}}).status,
            200u);
  EXPECT_EQ(browser_.send("POST", "/api/auth/sign-out").status, 200u);
  EXPECT_EQ(sessionOf(browser_).at("authenticated"), false);

  // The app: X-Requested-With, whatever Origin it names.
  HttpTestClient app(server_.baseURL(), HttpTestClient::Cookies::keep);
  EXPECT_EQ(app.send("POST", "/api/auth/password/sign-in", signInBody("owner@example.com"),
                     {{"Origin", kForeignOrigin}})
                .status,
            200u);
  EXPECT_EQ(app.send("POST", "/api/auth/sign-out").status, 200u);

  // The OpenAI stand-in is checked by its key alone, as the real API is.
  const HttpReply responses = browser_.send(
      "POST", "/v1/responses", R"({"model":"m","input":[{"role":"user","content":"hi"}]})",
      {{"Origin", kForeignOrigin}, {"Authorization", "Bearer sk-test-ondi"}});
  EXPECT_EQ(responses.status, 200u) << responses.body;
}

}  // namespace
