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
  }

  // The verification links mailed to the address so far, as paths with their query, oldest
  // first. The server writes a mail before it answers the request that sends it.
  std::vector<std::string> mailedLinks(const std::string& email) const {
    const std::regex line("Mail to " + email + ": verify your Ondi account at " +
                          server_->baseURL() + "(/api/auth/verify-email\\?token=[A-Za-z0-9_-]+)\n");
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

  const HttpReply verified = client_->send("GET", link);
  EXPECT_EQ(verified.status, 200u);
  EXPECT_EQ(verified.headerValues("Content-Type"),
            std::vector<std::string>{"text/html; charset=utf-8"});
  EXPECT_NE(verified.body.find("verified"), std::string::npos);
  EXPECT_EQ(client_->send("GET", link).status, 400u);
  // Verifying used up the second link as well.
  EXPECT_EQ(client_->send("GET", links.back()).status, 400u);

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
       {"/api/auth/verify-email", "/api/auth/verify-email?token=",
        "/api/auth/verify-email?token=AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"}) {
    EXPECT_EQ(client_->send("GET", forged).status, 400u) << forged;
  }
  advanceClock(*client_, 24 * 60 * 60 + 1);
  EXPECT_EQ(client_->send("GET", link).status, 400u);
  EXPECT_EQ(signIn(*client_, "old@example.com").status, 403u);
}

TEST_F(EmailVerificationTest, SigningUpAgainLooksTheSameAndMailsTheOwnerInstead) {
  const HttpReply first = signUp(*client_, "zoe@example.com");
  ASSERT_EQ(mailedLinks("zoe@example.com").size(), 1u);
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
}

}  // namespace
