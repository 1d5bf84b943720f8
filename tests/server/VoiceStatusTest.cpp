// "/api/voice/status": whether an account may start a realtime huddle, and the test route that
// gives an account the other answers.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "AccountSteps.h"
#include "HttpTestClient.h"
#include "OndiServerProcess.h"

namespace {

const nlohmann::json kReady = {
    {"realtimeReady", true}, {"realtimeAuthRequired", false}, {"realtimeUpgradeRequired", false}};

class VoiceStatusTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = std::make_unique<OndiServerProcess>(
        OndiServerProcess::Options{.extraArguments = {"--test-routes"}});
  }
  static void TearDownTestSuite() { server_.reset(); }

  // A client signed in to a new account with that address.
  static std::unique_ptr<HttpTestClient> signedUp(std::string_view email) {
    auto client =
        std::make_unique<HttpTestClient>(server_->baseURL(), HttpTestClient::Cookies::keep);
    EXPECT_EQ(signUp(*client, email).status, 200u);
    return client;
  }

  static HttpReply setAccess(const nlohmann::json& body) {
    return HttpTestClient(server_->baseURL()).send("POST", "/api/test/voice-access", body.dump());
  }

  static std::unique_ptr<OndiServerProcess> server_;
};

std::unique_ptr<OndiServerProcess> VoiceStatusTest::server_;

TEST_F(VoiceStatusTest, SignedOutAsksToSignInAndANewAccountIsReady) {
  const HttpReply signedOut = HttpTestClient(server_->baseURL()).send("GET", "/api/voice/status");
  ASSERT_EQ(signedOut.status, 200u);
  EXPECT_EQ(signedOut.json(),
            nlohmann::json({{"realtimeReady", false},
                            {"realtimeAuthRequired", true},
                            {"realtimeUpgradeRequired", false},
                            {"realtimeReason", "Sign in to Ondi to start a realtime call."}}));

  const auto client = signedUp("new-voice@example.com");
  const HttpReply ready = client->send("GET", "/api/voice/status");
  EXPECT_EQ(ready.status, 200u);
  EXPECT_EQ(ready.json(), kReady);
}

TEST_F(VoiceStatusTest, TestsGiveOneAccountTheOtherAnswersUntilItsPlanAppliesAgain) {
  const auto ada = signedUp("ada-voice@example.com");
  const auto grace = signedUp("grace-voice@example.com");
  const auto status = [&ada] { return ada->send("GET", "/api/voice/status"); };

  ASSERT_EQ(setAccess({{"email", "ADA-voice@example.com "},
                       {"access", "upgrade"},
                       {"reason", "Realtime calls need the Operator plan."}})
                .status,
            200u);
  EXPECT_EQ(status().json(),
            nlohmann::json({{"realtimeReady", false},
                            {"realtimeAuthRequired", false},
                            {"realtimeUpgradeRequired", true},
                            {"realtimeReason", "Realtime calls need the Operator plan."}}));
  EXPECT_EQ(grace->send("GET", "/api/voice/status").json(), kReady);

  ASSERT_EQ(setAccess({{"email", "ada-voice@example.com"}, {"access", "unavailable"}}).status,
            200u);
  EXPECT_EQ(
      status().json(),
      nlohmann::json({{"realtimeReady", false},
                      {"realtimeAuthRequired", false},
                      {"realtimeUpgradeRequired", false},
                      {"realtimeReason", "Realtime voice is unavailable. Please try again."}}));

  ASSERT_EQ(setAccess({{"email", "ada-voice@example.com"}, {"access", "failing"}, {"status", 503}})
                .status,
            200u);
  const HttpReply failing = status();
  EXPECT_EQ(failing.status, 503u);
  EXPECT_EQ(failing.json().at("ok"), false);

  ASSERT_EQ(setAccess({{"email", "ada-voice@example.com"}, {"access", "plan"}}).status, 200u);
  EXPECT_EQ(status().json(), kReady);
}

TEST_F(VoiceStatusTest, TheTestRouteRefusesWhatItCannotApply) {
  signedUp("refusals-voice@example.com");
  for (const nlohmann::json& body :
       {nlohmann::json({{"access", "upgrade"}}),
        nlohmann::json({{"email", "refusals-voice@example.com"}, {"access", "ready"}}),
        nlohmann::json({{"email", "refusals-voice@example.com"}, {"access", "failing"}}),
        nlohmann::json(
            {{"email", "refusals-voice@example.com"}, {"access", "failing"}, {"status", 200}}),
        nlohmann::json(
            {{"email", "refusals-voice@example.com"}, {"access", "upgrade"}, {"reason", 7}}),
        nlohmann::json({{"email", "refusals-voice@example.com"},
                        {"access", "upgrade"},
                        {"reason", std::string(241, 'x')}})}) {
    EXPECT_EQ(setAccess(body).status, 400u) << body;
  }
  EXPECT_EQ(setAccess({{"email", "nobody@example.com"}, {"access", "upgrade"}}).status, 404u);
}

TEST(VoiceStatusWithoutFlagsTest, TheAccessRouteNeedsTestRoutes) {
  const OndiServerProcess server;
  const HttpTestClient client(server.baseURL());
  EXPECT_EQ(client.send("GET", "/api/voice/status").status, 200u);
  EXPECT_EQ(client
                .send("POST", "/api/test/voice-access",
                      R"({"email": "a@example.com", "access": "upgrade"})")
                .status,
            404u);
}

}  // namespace
