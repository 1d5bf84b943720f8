// The command-line switches that shape sign-in, as the desktop sees them through authProviders
// and the endpoints.
#include <gtest/gtest.h>

#include "AccountSteps.h"
#include "HttpTestClient.h"
#include "OndiServerProcess.h"

namespace {

nlohmann::json providersOf(const OndiServerProcess& server) {
  return sessionOf(HttpTestClient(server.baseURL())).at("authProviders");
}

TEST(SignInSettingsTest, DefaultsOfferBothWaysWithoutVerification) {
  const OndiServerProcess server;
  const auto session = sessionOf(HttpTestClient(server.baseURL()));
  EXPECT_EQ(session, nlohmann::json({{"authenticated", false},
                                     {"authProviders",
                                      {{"googleConfigured", true},
                                       {"emailPasswordEnabled", true},
                                       {"emailVerificationRequired", false},
                                       {"verificationEmailConfigured", false},
                                       {"passwordMinimumLength", 15}}}}));
}

TEST(SignInSettingsTest, SwitchedOffWaysAreRefused) {
  const OndiServerProcess server{{.extraArguments = {"--no-google", "--no-email-password"}}};
  const HttpTestClient client(server.baseURL());
  const auto providers = providersOf(server);
  EXPECT_EQ(providers.at("googleConfigured"), false);
  EXPECT_EQ(providers.at("emailPasswordEnabled"), false);

  for (const HttpReply& reply :
       {signUp(client, "a@example.com"), signIn(client, "a@example.com")}) {
    EXPECT_EQ(reply.status, 403u);
    EXPECT_EQ(reply.json().at("error"),
              "Email and password access is not available on this Ondi server.");
  }
  const HttpReply start = client.send(
      "GET", std::string("/api/auth/google/start?intent=sign-in&source=macos_app&returnTo=/"
                         "agent.html&code_challenge=") +
                 kRfcChallenge + "&code_challenge_method=S256");
  EXPECT_EQ(start.status, 404u);
  EXPECT_EQ(start.body.find("name=\"request\""), std::string::npos);
}

TEST(SignInSettingsTest, MinimumLengthAndGoogleIdentityComeFromTheCommandLine) {
  const OndiServerProcess server{
      {.extraArguments = {"--password-min-length", "20", "--google-identity", "Kim@Example.org"}}};
  const HttpTestClient client(server.baseURL());
  EXPECT_EQ(providersOf(server).at("passwordMinimumLength"), 20);
  EXPECT_EQ(signUp(client, "a@example.com", std::string(19, 'p')).json().at("error"),
            "Use at least 20 characters for your password.");
  EXPECT_EQ(signUp(client, "a@example.com", std::string(20, 'p')).status, 200u);

  const HttpReply page = client.send(
      "GET", std::string("/api/auth/google/start?intent=sign-up&source=macos_app&returnTo=/"
                         "agent.html&code_challenge=") +
                 kRfcChallenge + "&code_challenge_method=S256");
  EXPECT_NE(page.body.find("kim@example.org"), std::string::npos);
  EXPECT_EQ(exchangeCode(client, googleCode(client, "sign-up")).json().at("user").at("email"),
            "kim@example.org");
}

}  // namespace
