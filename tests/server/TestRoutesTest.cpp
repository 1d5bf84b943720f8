// The routes that only exist with --test-routes, which the client's tests use to see what the
// client sends and to make the server answer in chosen ways.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "HttpTestClient.h"
#include "OndiServerProcess.h"

namespace {

class TestRoutesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = std::make_unique<OndiServerProcess>(
        OndiServerProcess::Options{.extraArguments = {"--test-routes"}});
  }
  static void TearDownTestSuite() { server_.reset(); }

  static std::unique_ptr<OndiServerProcess> server_;
  HttpTestClient client_{server_->baseURL()};
};

std::unique_ptr<OndiServerProcess> TestRoutesTest::server_;

TEST_F(TestRoutesTest, EchoReflectsWhatWasSent) {
  for (const char* method : {"GET", "POST", "PUT", "DELETE"}) {
    SCOPED_TRACE(method);
    const std::string body = R"({"b": 2,  "a": "é"})";
    const HttpReply reply =
        client_.send(method, "/api/test/echo?b=two%20words&a=1", body,
                     {{"X-Velmora-Client", "Desktop"}, {"Cookie", "velmora_session=abc; other=1"}});
    ASSERT_EQ(reply.status, 200u);
    const auto echo = reply.json();
    EXPECT_EQ(echo.at("method"), method);
    EXPECT_EQ(echo.at("path"), "/api/test/echo");
    EXPECT_EQ(echo.at("query"), "b=two%20words&a=1");
    EXPECT_EQ(echo.at("headers").at("x-velmora-client"), "Desktop");
    EXPECT_EQ(echo.at("headers").at("cookie"), "velmora_session=abc; other=1");
    EXPECT_EQ(echo.at("headers").at("content-type"), "application/json");
    EXPECT_EQ(echo.at("body"), body);
  }
}

TEST_F(TestRoutesTest, EchoWithoutQueryOrBodyReportsThemEmpty) {
  const auto echo = client_.send("GET", "/api/test/echo").json();
  EXPECT_EQ(echo.at("query"), "");
  EXPECT_EQ(echo.at("body"), "");
  EXPECT_FALSE(echo.at("headers").contains("content-type"));
}

TEST_F(TestRoutesTest, EchoRefusesOtherMethods) {
  const HttpReply reply = client_.send("PATCH", "/api/test/echo", "{}");
  EXPECT_EQ(reply.status, 405u);
  EXPECT_EQ(reply.headerValues("Allow"), std::vector<std::string>{"DELETE, GET, POST, PUT"});
}

TEST_F(TestRoutesTest, SetCookieSendsTheRequestedCookie) {
  const std::pair<const char*, const char*> cases[] = {
      {"name=velmora_session&value=abc123", "velmora_session=abc123; Path=/"},
      {"name=velmora_session&value=abc&path=/&domain=127.0.0.1&secure=1&httponly=1",
       "velmora_session=abc; Path=/; Domain=127.0.0.1; Secure; HttpOnly"},
      {"name=a&value=&path=/api&secure=0&httponly=0", "a=; Path=/api"},
      {"name=a&value=x%3Dy", "a=x=y; Path=/"},
  };
  for (const auto& [query, expected] : cases) {
    SCOPED_TRACE(query);
    const HttpReply reply = client_.send("GET", std::string("/api/test/set-cookie?") + query);
    EXPECT_EQ(reply.status, 200u);
    EXPECT_EQ(reply.json(), nlohmann::json({{"ok", true}}));
    EXPECT_EQ(reply.headerValues("Set-Cookie"), std::vector<std::string>{expected});
  }
}

TEST_F(TestRoutesTest, SetCookieRefusesWhatWouldBreakTheHeader) {
  for (const char* query :
       {"value=x", "name=a", "name=&value=x", "name=a%20b&value=x",
        "name=a&value=x%3B%20Domain%3Devil.example", "name=a&value=x%0D%0ASet-Cookie:%20b=c",
        "name=a&value=x&path=", "name=a&value=x&domain=a%3Bb"}) {
    SCOPED_TRACE(query);
    const HttpReply reply = client_.send("GET", std::string("/api/test/set-cookie?") + query);
    EXPECT_EQ(reply.status, 400u);
    EXPECT_EQ(reply.json().at("ok"), false);
    EXPECT_TRUE(reply.headerValues("Set-Cookie").empty());
  }
}

TEST_F(TestRoutesTest, StatusAnswersTheRequestedCodeWithAnEnvelope) {
  for (const unsigned code : {200u, 299u, 401u, 404u, 500u, 503u, 599u}) {
    SCOPED_TRACE(code);
    const HttpReply reply = client_.send("GET", "/api/test/status?code=" + std::to_string(code));
    EXPECT_EQ(reply.status, code);
    EXPECT_EQ(reply.json(),
              nlohmann::json({{"ok", false}, {"error", "status " + std::to_string(code)}}));
  }
  for (const char* query : {"", "?code=", "?code=abc", "?code=199", "?code=600", "?code=4O4",
                            "?code=-1", "?code=99999999999"}) {
    SCOPED_TRACE(query);
    EXPECT_EQ(client_.send("GET", std::string("/api/test/status") + query).status, 400u);
  }
}

}  // namespace
