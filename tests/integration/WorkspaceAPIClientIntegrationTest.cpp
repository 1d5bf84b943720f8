#include <gtest/gtest.h>

#include <glib.h>

#include <nlohmann/json.hpp>

#include "LoadRecorder.h"
#include "MainLoop.h"
#include "OndiServerProcess.h"
#include "PageServer.h"
#include "WebKitFixture.h"
#include "core/account/WorkspaceAPIClient.h"
#include "fakes/FakeEnvironment.h"
#include "platform/linux/GlibScheduler.h"
#include "platform/linux/SoupHttpTransport.h"

using namespace ondi;

namespace {

class WorkspaceAPIIntegration : public ::testing::Test {
 protected:
  void SetUp() override {
    environment.values["VELMORA_API_BASE_URL"] = server.baseURL();
    client = std::make_unique<WorkspaceAPIClient>(
        ServiceOrigin{"https://ondi.example", "ondi.example"}, environment, transport,
        webkit.cookies(), scheduler, [this] { return surfaceAddress; });
  }

  DesktopAPIResult request(const std::string& path, const std::string& method = "GET",
                           const std::optional<std::string>& body = std::nullopt,
                           const std::map<std::string, std::string>& headers = {}) {
    std::optional<DesktopAPIResult> result;
    client->performAuthenticatedAPIRequest(path, method, body, headers,
                                           [&](DesktopAPIResult r) { result = std::move(r); });
    EXPECT_TRUE(runMainLoopUntil([&] { return result.has_value(); }));
    return result.value_or(std::unexpected(DesktopAPIRequestError::invalidResponse()));
  }

  nlohmann::json echo(const std::string& method = "GET",
                      const std::optional<std::string>& body = std::nullopt,
                      const std::map<std::string, std::string>& headers = {}) {
    const auto result = request("/api/test/echo", method, body, headers);
    EXPECT_TRUE(result.has_value());
    return result ? nlohmann::json::parse(result->data) : nlohmann::json::object();
  }

  // Loads an address into a web view of the shared store and waits for it to finish.
  void loadInPage(const std::string& url) {
    auto view = webkit.webViews().makeWebView({});
    LoadRecorder loads;
    view->setDelegate(&loads);
    view->loadURL(url);
    ASSERT_TRUE(runMainLoopUntil([&] { return loads.finished > 0; }));
    view->setDelegate(nullptr);
  }

  OndiServerProcess server{{.extraArguments = {"--test-routes"}}};
  WebKitFixture webkit;
  platform::GlibScheduler scheduler;
  platform::SoupHttpTransport transport;
  fakes::FakeEnvironment environment;
  std::string surfaceAddress;
  std::unique_ptr<WorkspaceAPIClient> client;
};

TEST_F(WorkspaceAPIIntegration, SendsExactlyTheDesktopHeaders) {
  const auto get = echo();
  const auto& headers = get["headers"];
  EXPECT_EQ(headers["accept"], "application/json");
  EXPECT_EQ(headers["x-requested-with"], "VelmoraDesktop");
  EXPECT_EQ(headers["origin"], server.baseURL());
  EXPECT_FALSE(headers.contains("content-type"));
  EXPECT_FALSE(headers.contains("cookie"));

  const auto post = echo("POST", R"({"draft":"hello"})", {{"accept", "text/plain"}});
  EXPECT_EQ(post["method"], "POST");
  EXPECT_EQ(post["headers"]["content-type"], "application/json");
  EXPECT_EQ(post["headers"]["accept"], "text/plain");
  EXPECT_EQ(post["body"], R"({"draft":"hello"})");
}

TEST_F(WorkspaceAPIIntegration, AnErrorStatusArrivesAsAResponse) {
  const auto result = request("/api/test/status?code=401");
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(result->statusCode, 401);
  EXPECT_EQ(nlohmann::json::parse(result->data)["ok"], false);
}

TEST_F(WorkspaceAPIIntegration, ALocalSurfaceBecomesTheBaseWithItsPort) {
  environment.values.clear();
  const std::string port = server.baseURL().substr(server.baseURL().rfind(':') + 1);
  surfaceAddress = "http://localhost:" + port + "/agent.html?source=mac_app";
  const auto body = echo();
  EXPECT_EQ(body["headers"]["origin"], "http://localhost:" + port);
}

TEST_F(WorkspaceAPIIntegration, ANativeResponseCookieIsSentByThePage) {
  ASSERT_TRUE(request("/api/test/set-cookie?name=native_cookie&value=abc").has_value());
  PageServer pages("127.0.0.1");
  pages.addPage("/probe", "<p>probe</p>");
  loadInPage(pages.url("/probe"));
  EXPECT_NE(pages.lastCookieHeader("/probe").find("native_cookie=abc"), std::string::npos);
}

TEST_F(WorkspaceAPIIntegration, APageCookieIsSentByTheNextNativeRequest) {
  loadInPage(server.baseURL() + "/api/test/set-cookie?name=page_cookie&value=xyz");
  const auto body = echo();
  EXPECT_NE(body["headers"].value("cookie", "").find("page_cookie=xyz"), std::string::npos);
}

TEST_F(WorkspaceAPIIntegration, SendsOnlyTheCookiesABrowserWouldSendToTheAddress) {
  const auto store = [&](const std::string& name, const std::string& path, bool secure = false,
                         std::optional<long long> expires = std::nullopt) {
    Cookie cookie{name, "1", "127.0.0.1", path, secure, false, expires, ""};
    bool stored = false;
    webkit.cookies().setCookie(cookie, [&] { stored = true; });
    ASSERT_TRUE(runMainLoopUntil([&] { return stored; }));
  };
  const long long expires = g_get_real_time() / G_USEC_PER_SEC + 1;
  store("whole_site", "/");
  store("api_segment", "/api");
  store("partial_segment", "/api/te");
  store("https_only", "/", true);
  store("short_lived", "/", false, expires);
  // A second's grace: the engine rounds the expiry to whole seconds when it stores it.
  ASSERT_TRUE(runMainLoopUntil([&] { return g_get_real_time() / G_USEC_PER_SEC > expires + 1; }));

  // Longer paths first, as browsers order them.
  EXPECT_EQ(echo()["headers"].value("cookie", ""), "api_segment=1; whole_site=1");
}

TEST_F(WorkspaceAPIIntegration, SignOutClearsOnlyTheSessionCookie) {
  ASSERT_TRUE(request("/api/test/set-cookie?name=velmora_session&value=secret").has_value());
  ASSERT_TRUE(request("/api/test/set-cookie?name=keep_me&value=1").has_value());
  ASSERT_NE(echo()["headers"].value("cookie", "").find("velmora_session"), std::string::npos);

  bool cleared = false;
  client->clearWorkspaceSessionCookies([&] { cleared = true; });
  ASSERT_TRUE(runMainLoopUntil([&] { return cleared; }));
  const std::string cookies = echo()["headers"].value("cookie", "");
  EXPECT_EQ(cookies.find("velmora_session"), std::string::npos);
  EXPECT_NE(cookies.find("keep_me=1"), std::string::npos);
}

}  // namespace
