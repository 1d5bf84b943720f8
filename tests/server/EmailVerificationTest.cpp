// Accounts that must confirm their e-mail address before the first login. The server's "mail" is
// its stderr, where the tests pick the link up.
#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "AccountSteps.h"
#include "HttpTestClient.h"
#include "OndiServerProcess.h"

namespace {

class EmailVerificationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    server_ = std::make_unique<OndiServerProcess>(OndiServerProcess::Options{
        .extraArguments = {"--require-email-verification", "--test-routes"}});
    client_ = std::make_unique<HttpTestClient>(server_->baseURL(), HttpTestClient::Cookies::keep);
    browser_ = std::make_unique<HttpTestClient>(server_->baseURL(), HttpTestClient::Cookies::ignore,
                                                HttpTestClient::Caller::page);
  }

  // What the mail's reader does: opens the link, and presses the page's confirm button, which
  // posts the token the page carries. The page's answer.
  HttpReply confirm(const std::string& link) const {
    const HttpReply page = browser_->send("GET", link);
    static const std::regex kTokenField(R"re(name="token" value="([^"]+)")re");
    std::smatch token;
    if (page.status != 200 || !std::regex_search(page.body, token, kTokenField)) return page;
    return browser_->send("POST", "/api/auth/verify-email", "token=" + token[1].str(),
                          {{"Content-Type", "application/x-www-form-urlencoded"}});
  }

  // The verification links mailed to the address so far, as paths with their query, oldest
  // first. The server writes a mail before it answers the request that sends it.
  std::vector<std::string> mailedLinks(const std::string& email) const {
    const std::regex line("Mail to " + email + ": verify your Ondi account at " +
                          server_->baseURL() +
                          "(/auth\\.html\\?mode=verify-email&token=[A-Za-z0-9_-]+)\n");
    const std::string log = server_->standardError();
    std::vector<std::string> links;
    for (auto it = std::sregex_iterator(log.begin(), log.end(), line); it != std::sregex_iterator();
         ++it) {
      links.push_back((*it)[1]);
    }
    return links;
  }

  std::unique_ptr<OndiServerProcess> server_;
  std::unique_ptr<HttpTestClient> client_;
  std::unique_ptr<HttpTestClient> browser_;
};

TEST_F(EmailVerificationTest, SignUpWaitsForTheLinkAndTheLinkWorksOnce) {
  const HttpReply pending = signUp(*client_, "Mia@Example.com");
  ASSERT_EQ(pending.status, 200u) << pending.body;
  const auto body = pending.json();
  EXPECT_EQ(body.at("ok"), true);
  EXPECT_EQ(body.at("authenticated"), false);
  EXPECT_EQ(body.at("email"), "mia@example.com");
  EXPECT_EQ(body.at("message"),
            "We sent a verification link to mia@example.com. Open it, then return here to log in.");
  EXPECT_FALSE(body.contains("user"));
  EXPECT_EQ(body.at("authProviders").at("emailVerificationRequired"), true);
  EXPECT_EQ(body.at("authProviders").at("verificationEmailConfigured"), true);
  EXPECT_TRUE(pending.headerValues("Set-Cookie").empty());
  EXPECT_EQ(sessionOf(*client_).at("authenticated"), false);

  ASSERT_EQ(mailedLinks("mia@example.com").size(), 1u) << server_->standardError();
  const std::string link = mailedLinks("mia@example.com").front();

  // The right password before verification: refused, with a fresh link on its way.
  const HttpReply early = signIn(*client_, "mia@example.com");
  EXPECT_EQ(early.status, 403u);
  EXPECT_EQ(early.json().at("error"),
            "Verify your email address before logging in. We sent a new verification link to "
            "mia@example.com.");
  EXPECT_TRUE(early.headerValues("Set-Cookie").empty());
  const auto links = mailedLinks("mia@example.com");
  ASSERT_EQ(links.size(), 2u);

  // Opening the link (as a mail scanner does) shows whose sign-up it confirms, and changes nothing.
  const HttpReply opened = browser_->send("GET", link);
  EXPECT_EQ(opened.status, 200u);
  EXPECT_NE(opened.body.find("Ada Lovelace"), std::string::npos);
  EXPECT_NE(opened.body.find("method=\"post\""), std::string::npos);
  EXPECT_EQ(signIn(*client_, "mia@example.com").status, 403u);
  ASSERT_EQ(mailedLinks("mia@example.com").size(), 3u);

  const HttpReply verified = confirm(link);
  EXPECT_EQ(verified.status, 200u);
  EXPECT_EQ(verified.headerValues("Content-Type"),
            std::vector<std::string>{"text/html; charset=utf-8"});
  EXPECT_NE(verified.body.find("verified"), std::string::npos);
  EXPECT_EQ(confirm(link).status, 400u);
  // Verifying used up the other links as well.
  EXPECT_EQ(confirm(links.back()).status, 400u);
  // The old address of the page, and a plain GET of the confirming one, confirm nothing.
  EXPECT_EQ(browser_->send("GET", "/api/auth/verify-email?token=x").status, 405u);

  const HttpReply signedIn = signIn(*client_, "mia@example.com");
  EXPECT_EQ(signedIn.status, 200u) << signedIn.body;
  EXPECT_EQ(sessionOf(*client_).at("authenticated"), true);
  EXPECT_EQ(server_->standardError().find(kPassword), std::string::npos);
}

TEST_F(EmailVerificationTest, LinksExpireAfterADayAndForgedOnesFail) {
  ASSERT_EQ(signUp(*client_, "old@example.com").status, 200u);
  ASSERT_EQ(mailedLinks("old@example.com").size(), 1u);
  const std::string link = mailedLinks("old@example.com").front();
  for (const char* forged :
       {"/auth.html?mode=verify-email", "/auth.html?mode=verify-email&token=",
        "/auth.html?mode=verify-email&token=AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"}) {
    EXPECT_EQ(browser_->send("GET", forged).status, 400u) << forged;
  }
  for (const char* forged : {"", "token=", "token=AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"}) {
    EXPECT_EQ(browser_
                  ->send("POST", "/api/auth/verify-email", forged,
                         {{"Content-Type", "application/x-www-form-urlencoded"}})
                  .status,
              400u)
        << forged;
  }
  advanceClock(*client_, 24 * 60 * 60 + 1);
  EXPECT_EQ(confirm(link).status, 400u);
  EXPECT_EQ(signIn(*client_, "old@example.com").status, 403u);
}

TEST_F(EmailVerificationTest, SigningUpAgainLooksTheSameAndMailsTheOwnerInstead) {
  const HttpReply first = signUp(*client_, "zoe@example.com");
  ASSERT_EQ(mailedLinks("zoe@example.com").size(), 1u);
  ASSERT_EQ(confirm(mailedLinks("zoe@example.com").front()).status, 200u);
  const HttpReply second =
      signUp(*client_, "zoe@example.com", "some other long password", "Mallory");
  EXPECT_EQ(second.status, first.status);
  EXPECT_EQ(second.json(), first.json());
  EXPECT_NE(
      server_->standardError().find(
          "Mail to zoe@example.com: someone tried to create an Ondi account with this address"),
      std::string::npos);
  // No link was mailed for the second attempt, so its password can never become the account's.
  EXPECT_EQ(mailedLinks("zoe@example.com").size(), 1u);
  EXPECT_EQ(signIn(*client_, "zoe@example.com", "some other long password").status, 401u);
}

// Someone signs up first with another person's address. The owner's own sign-up gets its own
// link, and confirming it makes the owner's password the account's, never the first one.
TEST_F(EmailVerificationTest, EachLinkConfirmsOnlyItsOwnSignUp) {
  const std::string squatterPassword = "the squatter's long password";
  const HttpReply squatted = signUp(*client_, "kim@example.com", squatterPassword, "Mallory");
  const HttpReply owners = signUp(*client_, "kim@example.com", kPassword, "Kim Owner");
  EXPECT_EQ(owners.json(), squatted.json());
  const auto links = mailedLinks("kim@example.com");
  ASSERT_EQ(links.size(), 2u);
  // The squatter's link names the squatter, so the owner can tell it is not theirs.
  EXPECT_NE(browser_->send("GET", links.front()).body.find("Mallory"), std::string::npos);

  ASSERT_EQ(confirm(links.back()).status, 200u);
  EXPECT_EQ(signIn(*client_, "kim@example.com", squatterPassword).status, 401u);
  const HttpReply owner = signIn(*client_, "kim@example.com");
  ASSERT_EQ(owner.status, 200u) << owner.body;
  EXPECT_EQ(owner.json().at("user").at("name"), "Kim Owner");
  EXPECT_EQ(confirm(links.front()).status, 400u);
}

// The squatter's correct password mails the owner a link bound to the squatter's sign-up; the
// owner confirming their own link still wins, and a sign-in with the old password mails nothing.
TEST_F(EmailVerificationTest, ASignInLinkIsBoundToThePasswordThatSignedIn) {
  const std::string squatterPassword = "the squatter's long password";
  ASSERT_EQ(signUp(*client_, "lee@example.com", squatterPassword, "Mallory").status, 200u);
  ASSERT_EQ(signIn(*client_, "lee@example.com", squatterPassword).status, 403u);
  ASSERT_EQ(signUp(*client_, "lee@example.com", kPassword, "Lee Owner").status, 200u);
  const auto links = mailedLinks("lee@example.com");
  ASSERT_EQ(links.size(), 3u);
  EXPECT_NE(browser_->send("GET", links[1]).body.find("Mallory"), std::string::npos);
  ASSERT_EQ(confirm(links[2]).status, 200u);
  EXPECT_EQ(signIn(*client_, "lee@example.com", squatterPassword).status, 401u);
  EXPECT_EQ(signIn(*client_, "lee@example.com").status, 200u);
  EXPECT_EQ(mailedLinks("lee@example.com").size(), 3u);
}

}  // namespace
