// The service's pages the app opens: each answers with an HTML page in the service's look.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "AccountSteps.h"
#include "HttpTestClient.h"
#include "OndiServerProcess.h"
#include "crypto/Digest.h"
#include "http/Response.h"

namespace {

std::string readFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

class ServicePagesTest : public ::testing::Test {
 protected:
  void expectPage(const HttpReply& reply, unsigned status = 200) {
    EXPECT_EQ(reply.status, status) << reply.body;
    EXPECT_EQ(reply.headerValues("Content-Type"),
              std::vector<std::string>{"text/html; charset=utf-8"});
    EXPECT_EQ(reply.headerValues("X-Frame-Options"), std::vector<std::string>{"DENY"});
    EXPECT_EQ(reply.headerValues("Content-Security-Policy").size(), 1u);
  }

  OndiServerProcess server_;
  HttpTestClient browser_{server_.baseURL(), HttpTestClient::Cookies::keep,
                          HttpTestClient::Caller::page};
};

TEST_F(ServicePagesTest, EveryAddressTheAppOpensIsAPage) {
  for (const char* address :
       {"/agent.html", "/agent.html?source=mac_app",
        "/agent.html?source=mac_app&surface=connectors",
        "/agent.html?source=mac_app&desktop=1&surface=voice",
        "/agent.html?source=mac_app&surface=billing",
        "/agent.html?source=mac_app&surface=billing&plan=pro",
        "/agent.html?source=mac_app&surface=messaging", "/page.html?view=industries",
        "/page.html?view=skills-library", "/page.html?view=contact", "/page.html?view=account",
        "/auth.html?mode=sign-up&returnTo=%2Fagent.html%3Fsource%3Dmac_app",
        "/auth.html?mode=sign-in&returnTo=%2Fagent.html%3Fsource%3Dmac_app",
        "/auth.html?mode=sign-out"}) {
    SCOPED_TRACE(address);
    const HttpReply reply = browser_.send("GET", address);
    expectPage(reply);
    EXPECT_TRUE(reply.body.starts_with("<!DOCTYPE html>") ||
                reply.body.starts_with("<!doctype html>"));
  }
  expectPage(browser_.send("GET", "/page.html?view=nothing-here"), 404);
}

// Each inline script is allowed by its hash, and nothing from elsewhere.
void expectEveryScriptAllowed(const HttpReply& reply) {
  const std::string policy = reply.headerValues("Content-Security-Policy").front();
  std::ptrdiff_t scripts = 0;
  for (std::size_t at = reply.body.find("<script>"); at != std::string::npos;
       at = reply.body.find("<script>", at + 1)) {
    ++scripts;
  }
  const std::regex hash("'sha256-[A-Za-z0-9+/]+=*'");
  EXPECT_GT(scripts, 0);
  EXPECT_EQ(std::distance(std::sregex_iterator(policy.begin(), policy.end(), hash),
                          std::sregex_iterator()),
            scripts);
  EXPECT_NE(policy.find("default-src 'none'"), std::string::npos);
  EXPECT_NE(policy.find("connect-src 'self'"), std::string::npos);
}

// The policy names the page's own scripts only: one injected into the page would not run.
TEST(PagePolicyTest, OnlyThePagesOwnScriptsMayRun) {
  const std::string own = "document.title = 'Ondi';";
  const std::string injected = "fetch('/api/auth/session');";
  const auto policyOf = [](const ondi::server::Response& page) {
    for (const auto& [name, value] : page.headers) {
      if (name == "Content-Security-Policy") return value;
    }
    return std::string();
  };
  const std::string html = "<script>" + own + "</script><p><script>" + injected + "</script></p>";
  const std::string policy = policyOf(ondi::server::Response::page(200, html, {own}));
  EXPECT_NE(policy.find("'sha256-" + ondi::server::sha256Base64(own) + "'"), std::string::npos);
  EXPECT_EQ(policy.find(ondi::server::sha256Base64(injected)), std::string::npos);
  EXPECT_EQ(policyOf(ondi::server::Response::page(200, html)).find("script-src"),
            std::string::npos);
}

TEST_F(ServicePagesTest, TheAgentPageIsTheOperatorPageTheAppCarriesWithItsScriptsAllowed) {
  const HttpReply reply = browser_.send("GET", "/agent.html?source=mac_app&surface=messaging");
  EXPECT_EQ(reply.body, readFile(ONDI_OPERATOR_HTML));
  expectEveryScriptAllowed(reply);
}

TEST_F(ServicePagesTest, TheVoiceSurfaceIsTheVoiceConsoleWithItsScriptsAllowed) {
  const HttpReply reply =
      browser_.send("GET", "/agent.html?source=mac_app&desktop=1&surface=voice");
  EXPECT_EQ(reply.body, readFile(ONDI_VOICE_CONSOLE_HTML));
  EXPECT_NE(reply.body.find("data-workspace-surface=\"voice\""), std::string::npos);
  expectEveryScriptAllowed(reply);
}

TEST_F(ServicePagesTest, TheAccountPageShowsWhoIsSignedInAndAuthOffersToSignOut) {
  const HttpReply signedOut = browser_.send("GET", "/page.html?view=account");
  EXPECT_NE(signedOut.body.find("Log in to see"), std::string::npos);

  const HttpTestClient app(server_.baseURL());
  ASSERT_EQ(signUp(app, "ada@example.com").status, 200u);
  ASSERT_EQ(signIn(browser_, "ada@example.com").status, 200u);
  const HttpReply account = browser_.send("GET", "/page.html?view=account");
  EXPECT_NE(account.body.find("ada@example.com"), std::string::npos);
  EXPECT_NE(account.body.find("Ada Lovelace"), std::string::npos);
  EXPECT_NE(account.body.find("Email and password"), std::string::npos);
  const HttpReply auth = browser_.send("GET", "/auth.html?mode=sign-in");
  EXPECT_NE(auth.body.find("id=\"sign-out\""), std::string::npos);
  EXPECT_EQ(auth.body.find("id=\"auth-form\""), std::string::npos);
}

TEST_F(ServicePagesTest, TheAuthPageReturnsOnlyToPathsOnThisService) {
  const HttpReply local = browser_.send("GET", "/auth.html?mode=sign-in&returnTo=%2Fagent.html");
  EXPECT_NE(local.body.find("data-return-to=\"/agent.html\""), std::string::npos);
  for (const char* foreign :
       {"https%3A%2F%2Fattacker.example%2F", "%2F%2Fattacker.example", "%2F%5Cattacker.example"}) {
    SCOPED_TRACE(foreign);
    const HttpReply reply =
        browser_.send("GET", std::string("/auth.html?mode=sign-in&returnTo=") + foreign);
    EXPECT_NE(reply.body.find("data-return-to=\"/page.html?view=account\""), std::string::npos);
  }
}

}  // namespace
