#include <gtest/gtest.h>

#include <glib.h>

#include <set>

#include "MainLoop.h"
#include "WebKitFixture.h"

using namespace ondi;

namespace {

// The cookies the engine's jar picks for an address: the rules every native request relies on.
class CookiesForAnAddress : public ::testing::Test {
 protected:
  void store(const std::string& name, const std::string& domain, const std::string& path = "/",
             bool secure = false, std::optional<long long> expires = std::nullopt) {
    Cookie cookie;
    cookie.name = name;
    cookie.value = "1";
    cookie.domain = domain;
    cookie.path = path;
    cookie.secure = secure;
    cookie.expires = expires;
    bool stored = false;
    webkit.cookies().setCookie(cookie, [&] { stored = true; });
    ASSERT_TRUE(runMainLoopUntil([&] { return stored; }));
  }

  std::set<std::string> namesFor(const std::string& url) {
    std::optional<std::vector<Cookie>> cookies;
    webkit.cookies().cookiesForURL(url, [&](std::vector<Cookie> found) { cookies = found; });
    EXPECT_TRUE(runMainLoopUntil([&] { return cookies.has_value(); }));
    std::set<std::string> names;
    for (const Cookie& cookie : cookies.value_or(std::vector<Cookie>{})) names.insert(cookie.name);
    return names;
  }

  WebKitFixture webkit;
};

using Names = std::set<std::string>;

TEST_F(CookiesForAnAddress, HostOnlyCookiesStayOnTheirHostAndDomainCookiesReachSubdomains) {
  store("host_only", "ondi.example");
  store("shared", ".ondi.example");
  EXPECT_EQ(namesFor("https://ondi.example/api/auth/session"), (Names{"host_only", "shared"}));
  EXPECT_EQ(namesFor("https://app.ondi.example/api/auth/session"), Names{"shared"});
  EXPECT_EQ(namesFor("https://notondi.example/api/auth/session"), Names{});
}

TEST_F(CookiesForAnAddress, APathMatchesWholeSegmentsOnly) {
  store("api", "ondi.example", "/api");
  EXPECT_EQ(namesFor("https://ondi.example/api"), Names{"api"});
  EXPECT_EQ(namesFor("https://ondi.example/api/auth/session"), Names{"api"});
  EXPECT_EQ(namesFor("https://ondi.example/apifoo"), Names{});
  EXPECT_EQ(namesFor("https://ondi.example/agent.html"), Names{});
}

TEST_F(CookiesForAnAddress, ASecureCookieGoesOnlyOverHttps) {
  store("secure", "127.0.0.1", "/", true);
  EXPECT_EQ(namesFor("http://127.0.0.1:8787/api/auth/session"), Names{});
  EXPECT_EQ(namesFor("https://127.0.0.1/api/auth/session"), Names{"secure"});
}

TEST_F(CookiesForAnAddress, AnExpiredCookieIsNotGiven) {
  const long long expires = g_get_real_time() / G_USEC_PER_SEC + 1;
  store("short_lived", "ondi.example", "/", false, expires);
  EXPECT_EQ(namesFor("https://ondi.example/"), Names{"short_lived"});
  // The engine stores the expiry as a lifetime from the moment it stores the cookie, rounded
  // to whole seconds: a second's grace.
  ASSERT_TRUE(runMainLoopUntil([&] { return g_get_real_time() / G_USEC_PER_SEC > expires + 1; }));
  EXPECT_EQ(namesFor("https://ondi.example/"), Names{});
}

}  // namespace
