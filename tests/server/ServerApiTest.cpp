// The HTTP behaviour every client of ondi-server relies on: envelopes, status codes, body checks,
// robustness against malformed input, and the request log.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "HttpTestClient.h"
#include "OndiServerProcess.h"

namespace {

constexpr std::size_t kBodyLimit = 1024 * 1024;

// A JSON document of exactly the given size: a string of spaces padded inside quotes.
std::string jsonOfSize(std::size_t size) {
  return "\"" + std::string(size - 2, ' ') + "\"";
}

class ServerApiTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server_ = std::make_unique<OndiServerProcess>(); }
  static void TearDownTestSuite() { server_.reset(); }

  void expectEnvelope(const HttpReply& reply, unsigned status, const std::string& error) {
    EXPECT_EQ(reply.status, status) << reply.body;
    EXPECT_EQ(reply.headerValues("Content-Type"), std::vector<std::string>{"application/json"});
    const auto body = reply.json();
    EXPECT_EQ(body.at("ok"), false);
    if (!error.empty()) {
      EXPECT_EQ(body.at("error"), error);
    }
  }

  void expectStillServing() {
    EXPECT_EQ(client_.send("GET", "/api/auth/session").status, 200u) << server_->standardError();
  }

  static std::unique_ptr<OndiServerProcess> server_;
  HttpTestClient client_{server_->baseURL()};
};

std::unique_ptr<OndiServerProcess> ServerApiTest::server_;

TEST_F(ServerApiTest, SessionIsSignedOutForMissingOrForgedCookies) {
  for (const HttpTestClient::Headers& headers :
       {HttpTestClient::Headers{}, HttpTestClient::Headers{{"Cookie", "velmora_session=forged"}},
        HttpTestClient::Headers{{"Cookie", "velmora_session="}}}) {
    const HttpReply reply = client_.send("GET", "/api/auth/session", {}, headers);
    EXPECT_EQ(reply.status, 200u);
    const auto body = reply.json();
    EXPECT_EQ(body.at("authenticated"), false);
    EXPECT_FALSE(body.contains("user"));
    EXPECT_TRUE(reply.headerValues("Set-Cookie").empty());
  }
}

TEST_F(ServerApiTest, UnknownPathsAnswerTheNotFoundEnvelope) {
  for (const char* path : {"/", "/api/nope", "/api/auth/session/", "/api/auth", "/agent.htm",
                           "/api/auth/session/extra"}) {
    SCOPED_TRACE(path);
    expectEnvelope(client_.send("GET", path), 404, "Not found");
  }
}

TEST_F(ServerApiTest, KnownPathWithWrongMethodAnswers405NamingTheAllowedOnes) {
  for (const char* method : {"POST", "PUT", "DELETE", "PATCH"}) {
    SCOPED_TRACE(method);
    const HttpReply reply = client_.send(method, "/api/auth/session");
    expectEnvelope(reply, 405, "");
    EXPECT_FALSE(reply.json().at("error").get<std::string>().empty());
    EXPECT_EQ(reply.headerValues("Allow"), std::vector<std::string>{"GET"});
  }
}

TEST_F(ServerApiTest, BodiesThatAreNotJsonAnswer400BeforeRouting) {
  const std::string binary("\x00\xff\xfe\x01{", 5);
  for (const std::string& body :
       {std::string("{"), std::string("not json"), std::string("{\"a\": 1,}"),
        std::string("\xff\xfe"), binary, std::string("   ")}) {
    for (const char* path : {"/api/auth/session", "/api/unknown"}) {
      SCOPED_TRACE(path);
      expectEnvelope(client_.send("POST", path, body), 400, "The request body is not valid JSON.");
    }
  }
  // Declared as something else, the body is refused: every API body is JSON, declared so.
  for (const char* type : {"application/x-www-form-urlencoded", "text/plain",
                           "multipart/form-data; boundary=x", "application/jsonx"}) {
    SCOPED_TRACE(type);
    expectEnvelope(
        client_.send("POST", "/api/auth/session", R"({"a": 1})", {{"Content-Type", type}}), 415,
        "Send the request body as application/json.");
  }
  expectEnvelope(client_.send("POST", "/api/auth/session", R"({"a": 1})",
                              {{"Content-Type", "Application/JSON; charset=utf-8"}}),
                 405, "");
  // A valid body passes the check and reaches the router.
  expectEnvelope(client_.send("POST", "/api/auth/session", R"({"a": [1, "x"]})"), 405, "");
}

TEST_F(ServerApiTest, BodiesOverOneMebibyteAnswer413AndTheLimitItselfPasses) {
  expectEnvelope(client_.send("PUT", "/api/auth/session", jsonOfSize(kBodyLimit)), 405, "");
  expectEnvelope(client_.send("PUT", "/api/auth/session", jsonOfSize(kBodyLimit + 1)), 413, "");
  expectEnvelope(client_.sendChunked("PUT", "/api/auth/session", jsonOfSize(kBodyLimit + 1)), 413,
                 "");
  expectEnvelope(client_.sendChunked("PUT", "/api/auth/session", jsonOfSize(kBodyLimit)), 405, "");
  expectStillServing();
}

TEST_F(ServerApiTest, SurvivesMalformedTrafficAndKeepsServing) {
  const std::string garbage("\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03\r\n\r\n", 15);
  for (const std::string& raw : {garbage, std::string("GET\r\n\r\n"),
                                 std::string("GET /api/auth/session HTTP/1.1\r\nHost: x\r\n"
                                             "Content-Length: nope\r\n\r\n"),
                                 std::string("POST /api/x HTTP/1.1\r\nHost: x\r\n"
                                             "Transfer-Encoding: gzip\r\n\r\n"),
                                 std::string("GET /%zz HTTP/1.1\r\nHost: x\r\n\r\n")}) {
    client_.sendRaw(raw);
    expectStillServing();
  }
  // The last request announces a body and hangs up halfway through it.
  client_.sendRaw(
      "POST /api/auth/session HTTP/1.1\r\nHost: x\r\nContent-Length: 100\r\n\r\n{\"a\"");
  expectStillServing();
}

TEST_F(ServerApiTest, LogsMethodPathAndStatusButNeverTheQuery) {
  client_.send("GET", "/api/auth/session?token=s3cr3t-value");
  client_.send("GET", "/api/forged%0AGET%20/api/fake%20200");
  // A decoded newline in the path must not start a line of its own.
  const std::string forged = "GET /api/forged\\x0aGET\\x20/api/fake\\x20200 404 ";
  ASSERT_TRUE(server_->waitForStandardError(forged)) << server_->standardError();
  const std::string log = server_->standardError();
  EXPECT_NE(log.find("GET /api/auth/session 200 "), std::string::npos) << log;
  EXPECT_EQ(log.find("s3cr3t-value"), std::string::npos) << log;
  EXPECT_EQ(log.find("\nGET /api/fake"), std::string::npos) << log;
}

TEST_F(ServerApiTest, TestRoutesAreAbsentWithoutTheFlag) {
  for (const char* path :
       {"/api/test/echo", "/api/test/set-cookie?name=a&value=b", "/api/test/status?code=500"}) {
    SCOPED_TRACE(path);
    const HttpReply reply = client_.send("GET", path);
    expectEnvelope(reply, 404, "Not found");
    EXPECT_TRUE(reply.headerValues("Set-Cookie").empty());
  }
}

}  // namespace
