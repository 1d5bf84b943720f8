// Reading the command line, in process; the refusals are checked on the real binary.
#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "ServerOptions.h"

namespace ondi::server {
namespace {

TEST(ServerOptionsTest, DefaultsApplyToAnEmptyCommandLine) {
  const auto options = parseServerOptions({});
  ASSERT_TRUE(options);
  EXPECT_EQ(options->host, "127.0.0.1");
  EXPECT_EQ(options->port, 8787u);
  EXPECT_TRUE(options->dataDirectory.empty());
  EXPECT_FALSE(options->testRoutes);
  EXPECT_FALSE(options->showHelp);
  EXPECT_TRUE(options->auth.googleEnabled);
  EXPECT_TRUE(options->auth.emailPasswordEnabled);
  EXPECT_FALSE(options->auth.emailVerificationRequired);
  EXPECT_EQ(options->auth.passwordMinimumLength, 15u);
  EXPECT_EQ(options->auth.googleIdentityEmail, "test.person@gmail.example");
  EXPECT_EQ(options->freeTurnLimit, 50u);
  EXPECT_FALSE(options->openAiTestEndpoint);
  EXPECT_EQ(options->openAiTestKey, "sk-test-ondi");
}

TEST(ServerOptionsTest, ValuesComeInlineOrAsTheNextArgument) {
  constexpr std::array<std::string_view, 7> arguments{
      "--host=::1", "--port", "0", "--data", "/tmp/a b", "--test-routes", "--port=65535"};
  const auto options = parseServerOptions(arguments);
  ASSERT_TRUE(options) << options.error();
  EXPECT_EQ(options->host, "::1");
  EXPECT_EQ(options->port, 65535u);
  EXPECT_EQ(options->dataDirectory, "/tmp/a b");
  EXPECT_TRUE(options->testRoutes);
}

TEST(ServerOptionsTest, SignInOptionsShapeTheAuthSettings) {
  constexpr std::array<std::string_view, 6> arguments{"--no-google",
                                                      "--no-email-password",
                                                      "--require-email-verification",
                                                      "--password-min-length=8",
                                                      "--google-identity",
                                                      " Kim@Example.ORG "};
  const auto options = parseServerOptions(arguments);
  ASSERT_TRUE(options) << options.error();
  EXPECT_FALSE(options->auth.googleEnabled);
  EXPECT_FALSE(options->auth.emailPasswordEnabled);
  EXPECT_TRUE(options->auth.emailVerificationRequired);
  EXPECT_EQ(options->auth.passwordMinimumLength, 8u);
  EXPECT_EQ(options->auth.googleIdentityEmail, "kim@example.org");
}

TEST(ServerOptionsTest, AgentOptionsSetTheTurnLimitAndTheOpenAiTestEndpoint) {
  constexpr std::array<std::string_view, 4> arguments{
      "--free-turn-limit=3", "--openai-test-endpoint", "--openai-test-key", "sk-other"};
  const auto options = parseServerOptions(arguments);
  ASSERT_TRUE(options) << options.error();
  EXPECT_EQ(options->freeTurnLimit, 3u);
  EXPECT_TRUE(options->openAiTestEndpoint);
  EXPECT_EQ(options->openAiTestKey, "sk-other");

  for (const std::string_view limit : {"0", "100001", "many"}) {
    const std::array<std::string_view, 2> refused{"--free-turn-limit", limit};
    EXPECT_FALSE(parseServerOptions(refused)) << limit;
  }
  constexpr std::array<std::string_view, 1> noKey{"--openai-test-key"};
  EXPECT_FALSE(parseServerOptions(noKey));
}

TEST(ServerOptionsTest, ServiceLimitsHaveDefaultsAndTakeValuesFromOneUp) {
  const auto defaults = parseServerOptions({});
  ASSERT_TRUE(defaults);
  EXPECT_EQ(defaults->limits.clientSignInsPerMinute, 30u);
  EXPECT_EQ(defaults->limits.addressSignInFailures, 10u);
  EXPECT_EQ(defaults->limits.pendingGoogleSignIns, 100u);
  EXPECT_EQ(defaults->limits.threadsPerAccount, 500u);

  constexpr std::array<std::string_view, 5> arguments{
      "--client-sign-in-limit=1000", "--address-sign-in-limit=1", "--pending-google-limit", "7",
      "--thread-limit=2"};
  const auto options = parseServerOptions(arguments);
  ASSERT_TRUE(options) << options.error();
  EXPECT_EQ(options->limits.clientSignInsPerMinute, 1000u);
  EXPECT_EQ(options->limits.addressSignInFailures, 1u);
  EXPECT_EQ(options->limits.pendingGoogleSignIns, 7u);
  EXPECT_EQ(options->limits.threadsPerAccount, 2u);

  const std::array<std::string_view, 2> zero{"--thread-limit", "0"};
  EXPECT_EQ(parseServerOptions(zero).error(),
            "The thread limit must be a number from 1 to 1000000, not \"0\".");
  const std::array<std::string_view, 1> many{"--client-sign-in-limit=lots"};
  EXPECT_FALSE(parseServerOptions(many));
}

TEST(ServerOptionsTest, AgentPaymentOptionsChooseTheModeAndTheSettlingTime) {
  const auto defaults = parseServerOptions({});
  ASSERT_TRUE(defaults);
  EXPECT_TRUE(defaults->agentPaymentsAvailable);
  EXPECT_EQ(defaults->topupSettleSeconds, 20u);

  constexpr std::array<std::string_view, 3> arguments{"--agent-payments", "unavailable",
                                                      "--topup-settle-seconds=0"};
  const auto options = parseServerOptions(arguments);
  ASSERT_TRUE(options) << options.error();
  EXPECT_FALSE(options->agentPaymentsAvailable);
  EXPECT_EQ(options->topupSettleSeconds, 0u);

  const std::array<std::string_view, 1> unknownMode{"--agent-payments=off"};
  EXPECT_EQ(parseServerOptions(unknownMode).error(),
            "Agent payments must be \"available\" or \"unavailable\", not \"off\".");
  const std::array<std::string_view, 1> tooLong{"--topup-settle-seconds=604801"};
  EXPECT_FALSE(parseServerOptions(tooLong));
}

TEST(ServerOptionsTest, PhoneAndMessagingOptionsChooseTheModeLimitAndRelay) {
  const auto defaults = parseServerOptions({});
  ASSERT_TRUE(defaults);
  EXPECT_EQ(defaults->agentPhone, AgentPhoneMode::ready);
  EXPECT_EQ(defaults->phoneCallsPerHour, 5u);
  EXPECT_TRUE(defaults->messagingRelayAddress.empty());
  EXPECT_TRUE(defaults->relayHeartbeatFile.empty());

  constexpr std::array<std::string_view, 6> arguments{
      "--agent-phone=setup-required", "--phone-calls-per-hour=2", "--messaging-relay-address",
      " Relay@Example.COM ",          "--relay-heartbeat-file",   "/tmp/relay.json"};
  const auto options = parseServerOptions(arguments);
  ASSERT_TRUE(options) << options.error();
  EXPECT_EQ(options->agentPhone, AgentPhoneMode::setupRequired);
  EXPECT_EQ(options->phoneCallsPerHour, 2u);
  EXPECT_EQ(options->messagingRelayAddress, "relay@example.com");
  EXPECT_EQ(options->relayHeartbeatFile, "/tmp/relay.json");

  const std::array<std::string_view, 1> phoneRelay{"--messaging-relay-address=+15550100199"};
  EXPECT_EQ(parseServerOptions(phoneRelay)->messagingRelayAddress, "+15550100199");
  const std::array<std::string_view, 1> notAnAddress{"--messaging-relay-address=555-0199"};
  EXPECT_EQ(parseServerOptions(notAnAddress).error(),
            "The messaging relay address must be an e-mail address or a phone number such as "
            "+15550100199, not \"555-0199\".");
  const std::array<std::string_view, 1> unknownMode{"--agent-phone=off"};
  EXPECT_FALSE(parseServerOptions(unknownMode));
  const std::array<std::string_view, 1> noCalls{"--phone-calls-per-hour=0"};
  EXPECT_FALSE(parseServerOptions(noCalls));
}

}  // namespace
}  // namespace ondi::server
