#include "core/account/WorkspaceAPIClient.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeCookieStore.h"
#include "fakes/FakeEnvironment.h"
#include "fakes/FakeHttpTransport.h"
#include "fakes/ManualScheduler.h"

namespace ondi {
namespace {

const ServiceOrigin kOrigin{"https://ondi.example", "ondi.example"};
constexpr const char* kAgentPage = "https://ondi.example/agent.html?source=mac_app";

Cookie makeCookie(std::string domain, std::string path = "/", bool secure = false,
                  std::string name = "velmora_session", std::string value = "v") {
  Cookie cookie;
  cookie.name = std::move(name);
  cookie.value = std::move(value);
  cookie.domain = std::move(domain);
  cookie.path = std::move(path);
  cookie.secure = secure;
  return cookie;
}

TEST(WorkspaceAPIBaseURL, PrefersAUsableOverrideThenALocalSurfaceThenTheAgentPage) {
  const struct {
    std::optional<std::string> environment;
    std::optional<std::string> surface;
    std::string expected;
  } cases[] = {
      {"http://127.0.0.1:8787/", "http://localhost:3000/agent.html", "http://127.0.0.1:8787/"},
      {"https://dev@ondi.example/", std::nullopt, kAgentPage},
      {"https://:secret@127.0.0.1:8787/", std::nullopt, kAgentPage},
      {"ftp://127.0.0.1/", std::nullopt, kAgentPage},
      {"https:///api", std::nullopt, kAgentPage},
      {"ftp://127.0.0.1/", "http://localhost:3000/agent.html?x=1",
       "http://localhost:3000/agent.html?x=1"},
      {std::nullopt, "https://app.ondi.example/a", "https://app.ondi.example/a"},
      {std::nullopt, "https://example.org/agent.html", kAgentPage},
      {std::nullopt, "https://notondi.example/", kAgentPage},
      {std::nullopt, "ws://localhost:3000/", kAgentPage},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.environment.value_or("-") + " " + c.surface.value_or("-"));
    EXPECT_EQ(WorkspaceAPIClient::workspaceAPIBaseURL(c.environment, c.surface, kOrigin),
              c.expected);
  }
}

// Header names lowercased, so that a replaced default shows as one entry.
std::map<std::string, std::string> headerMap(const HttpHeaders& headers) {
  std::map<std::string, std::string> map;
  for (const auto& [name, value] : headers) map[asciiLowercased(name)] = value;
  return map;
}

class WorkspaceAPIClientTest : public ::testing::Test {
 protected:
  void perform(const std::string& method = "GET", std::optional<std::string> body = std::nullopt,
               const std::map<std::string, std::string>& headers = {}) {
    client.performAuthenticatedAPIRequest(
        "/api/auth/session", method, body, headers,
        [this](DesktopAPIResult result) { results.push_back(std::move(result)); });
  }

  fakes::ManualScheduler scheduler;
  fakes::FakeEnvironment environment;
  fakes::FakeHttpTransport transport;
  fakes::FakeCookieStore cookies{scheduler};
  WorkspaceAPIClient client{kOrigin, environment, transport, cookies, scheduler, [] { return ""; }};
  std::vector<DesktopAPIResult> results;
};

TEST_F(WorkspaceAPIClientTest, SendsDefaultsCallerHeadersAndTheJarsCookiesForTheAddress) {
  cookies.cookies = {makeCookie("example.org", "/", false, "other")};
  cookies.cookiesForAddresses = {makeCookie(".ondi.example", "/", true, "velmora_session", "abc"),
                                 makeCookie("ondi.example", "/api", false, "api", "y")};
  perform("POST", R"({"a":1})", {{"accept", "text/plain"}});
  scheduler.runUntilIdle();

  EXPECT_EQ(cookies.askedAddresses,
            std::vector<std::string>{"https://ondi.example/api/auth/session"});
  ASSERT_EQ(transport.requests.size(), 1u);
  const HttpRequest& request = transport.requests[0];
  EXPECT_EQ(request.url, "https://ondi.example/api/auth/session");
  EXPECT_EQ(request.method, "POST");
  EXPECT_EQ(request.body, R"({"a":1})");
  EXPECT_EQ(request.timeout, std::chrono::seconds(20));
  EXPECT_EQ(request.headers.size(), 5u) << "a header was set twice";
  EXPECT_EQ(headerMap(request.headers),
            (std::map<std::string, std::string>{{"accept", "text/plain"},
                                                {"x-requested-with", "VelmoraDesktop"},
                                                {"content-type", "application/json"},
                                                {"cookie", "velmora_session=abc; api=y"},
                                                {"origin", "https://ondi.example"}}));
}

TEST_F(WorkspaceAPIClientTest, LocalServerGetsItsPortInTheOriginAndNoEmptyCookieHeader) {
  environment.values["VELMORA_API_BASE_URL"] = "http://127.0.0.1:8787";
  cookies.cookies = {makeCookie("127.0.0.1")};
  cookies.cookiesForAddresses.emplace();
  perform();
  scheduler.runUntilIdle();

  ASSERT_EQ(transport.requests.size(), 1u);
  EXPECT_EQ(transport.requests[0].url, "http://127.0.0.1:8787/api/auth/session");
  EXPECT_EQ(headerMap(transport.requests[0].headers),
            (std::map<std::string, std::string>{{"accept", "application/json"},
                                                {"x-requested-with", "VelmoraDesktop"},
                                                {"origin", "http://127.0.0.1:8787"}}));
}

TEST_F(WorkspaceAPIClientTest, HttpErrorCompletesOnceAsSuccessAndOnlyFromTheMainLoop) {
  perform();
  scheduler.runUntilIdle();
  transport.respond(401, R"({"error":"Sign in"})");
  EXPECT_TRUE(results.empty()) << "completed synchronously";

  scheduler.advance(std::chrono::minutes(1));
  ASSERT_EQ(results.size(), 1u);
  ASSERT_TRUE(results[0]);
  EXPECT_EQ(results[0]->statusCode, 401);
  EXPECT_EQ(results[0]->data, R"({"error":"Sign in"})");
}

TEST_F(WorkspaceAPIClientTest, TransportErrorIsPassedThrough) {
  perform();
  scheduler.runUntilIdle();
  transport.fail("The request timed out.");
  scheduler.runUntilIdle();

  ASSERT_EQ(results.size(), 1u);
  ASSERT_FALSE(results[0]);
  EXPECT_EQ(results[0].error().kind(), DesktopAPIRequestError::Kind::transport);
  EXPECT_EQ(results[0].error().description(), "The request timed out.");
}

TEST_F(WorkspaceAPIClientTest, ResponseCookiesAreStoredBeforeCompletionAndSentNextTime) {
  const Cookie session = makeCookie("ondi.example", "/", false, "velmora_session", "fresh");
  std::vector<Cookie> jarAtCompletion;
  client.performAuthenticatedAPIRequest("/api/auth/login", "POST", "{}", {},
                                        [&](auto) { jarAtCompletion = cookies.cookies; });
  scheduler.runUntilIdle();
  transport.respond(200, "{}", {session});
  scheduler.runUntilIdle();
  EXPECT_EQ(jarAtCompletion, std::vector{session});

  perform();
  scheduler.runUntilIdle();
  ASSERT_EQ(transport.requests.size(), 2u);
  EXPECT_EQ(headerMap(transport.requests[1].headers)["cookie"], "velmora_session=fresh");
}

TEST_F(WorkspaceAPIClientTest, UnusableBaseCompletesWithInvalidURLAndSendsNothing) {
  WorkspaceAPIClient broken({"not a url", "ondi.example"}, environment, transport, cookies,
                            scheduler, [] { return ""; });
  broken.performAuthenticatedAPIRequest("/api/auth/session", "GET", std::nullopt, {},
                                        [this](auto result) { results.push_back(result); });
  EXPECT_TRUE(results.empty()) << "completed synchronously";
  scheduler.runUntilIdle();

  EXPECT_TRUE(transport.requests.empty());
  ASSERT_EQ(results.size(), 1u);
  ASSERT_FALSE(results[0]);
  EXPECT_EQ(results[0].error().description(), "Ondi could not build the messaging service URL.");
}

TEST_F(WorkspaceAPIClientTest, ClearingSessionCookiesRemovesOnlyWorkspaceSessions) {
  const std::vector<Cookie> kept{makeCookie("evil.example"), makeCookie("notondi.example"),
                                 makeCookie("ondi.example", "/", false, "preferences")};
  cookies.cookies = kept;
  for (const char* domain : {".ondi.example", "app.ondi.example", "localhost"}) {
    cookies.cookies.push_back(makeCookie(domain));
  }
  int completions = 0;
  client.clearWorkspaceSessionCookies([&] { ++completions; });
  scheduler.runUntilIdle();
  EXPECT_EQ(completions, 1);
  EXPECT_EQ(cookies.cookies, kept);

  // Nothing left to delete still completes.
  client.clearWorkspaceSessionCookies([&] { ++completions; });
  scheduler.runUntilIdle();
  EXPECT_EQ(completions, 2);
}

}  // namespace
}  // namespace ondi
