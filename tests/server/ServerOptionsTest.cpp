// Reading the command line, in process; the refusals are checked on the real binary.
#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "ServerOptions.h"

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

}  // namespace
