#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/account/AgentInstructionProfile.h"
#include "core/account/AuthenticationController.h"
#include "core/account/ConversationThreads.h"
#include "core/account/Pkce.h"
#include "core/account/WorkspaceSessionController.h"
#include "core/script/JavaScript.h"
#include "fakes/FakeSecureRandom.h"

namespace ondi {
namespace {

using ::testing::ElementsAre;

TEST(InstructionCleaning, DropsMarkersBlanksAndKeepsWithinBudgets) {
  EXPECT_THAT(normalizedInstructions("  - First rule  \n\n 2) Second rule\n \xE2\x80\xA2  Third\n"),
              ElementsAre("First rule", "Second rule", "Third"));
  EXPECT_THAT(normalizedInstructions("* starred\n10. numbered\n-not a marker\n1.5 apples\n-"),
              ElementsAre("starred", "numbered", "-not a marker", "1.5 apples", "-"));
  // Long runs of blanks, as a paste may hold, are read without running out of stack.
  const std::string blanks(50000, ' ');
  EXPECT_THAT(normalizedInstructions(blanks + "\n" + blanks + "-" + blanks + "rule" + blanks),
              ElementsAre("rule"));

  std::string ten;
  for (int i = 1; i <= 10; ++i) ten += "rule " + std::to_string(i) + "\n";
  EXPECT_EQ(normalizedInstructions(ten).size(), 8u);

  const std::string long_line(1000, 'a');
  const auto kept =
      normalizedInstructions(long_line + "\n" + long_line + "\n" + long_line + "\n" + long_line);
  ASSERT_EQ(kept.size(), 3u);
  for (const auto& line : kept) EXPECT_EQ(line.size(), 800u);

  // The budget counts characters, not bytes.
  const auto accented = normalizedInstructions(std::string(900, 'a') + "\n" + "\xC3\xA9\xC3\xA9");
  ASSERT_EQ(accented.size(), 2u);
  EXPECT_EQ(accented[1], "\xC3\xA9\xC3\xA9");
}

TEST(ConversationThreadRecords, ReadsSnapshotsWithinTheirLimits) {
  nlohmann::json many = nlohmann::json::array();
  for (int i = 0; i < 600; ++i) many.push_back({{"id", "t" + std::to_string(i)}});
  EXPECT_EQ(desktopConversationThreads(many).size(), 500u);

  const nlohmann::json entries = nlohmann::json::parse(R"([
    {"id": " spaced ", "title": "   ", "messageCount": -5},
    {"id": "long", "title": ")" + std::string(200, 'x') +
                                                       R"(", "messageCount": 5000000},
    {"id": "string-count", "messageCount": "7", "preview": 3},
    {"id": ")" + std::string(97, 'a') + R"("},
    {"id": "has space"}, {"id": "a/b"}, {"title": "no id"}, "not an object",
    {"id": "huge", "messageCount": 18446744073709551615}
  ])");
  const auto threads = desktopConversationThreads(entries);
  ASSERT_EQ(threads.size(), 4u);
  EXPECT_EQ(threads[0].id, "spaced");
  EXPECT_EQ(threads[0].title, "New chat");
  EXPECT_EQ(threads[0].messageCount, 0);
  EXPECT_EQ(threads[1].title.size(), 120u);
  EXPECT_EQ(threads[1].messageCount, 1'000'000);
  EXPECT_EQ(threads[2].messageCount, 0);
  EXPECT_EQ(threads[2].preview, "");
  EXPECT_EQ(threads[3].messageCount, 1'000'000);
  EXPECT_TRUE(desktopConversationThreads("threads").empty());
}

TEST(ConversationThreadRecords, ProviderLabels) {
  for (const auto& [provider, label] :
       std::vector<std::pair<std::string, std::string>>{{"FireStore", "Ondi Cloud"},
                                                        {"local", "This computer"},
                                                        {"local-jsonl", "This computer"},
                                                        {"disabled", "Unavailable"},
                                                        {"", "Unavailable"},
                                                        {"s3", "Ondi Cloud"}}) {
    EXPECT_EQ((ConversationHistoryStatus{true, true, true, provider}.providerLabel()), label)
        << provider;
  }
}

TEST(Pkce, ChallengeVectorAndVerifierShape) {
  EXPECT_EQ(codeChallenge("dBjftJeZ4CVP-mB92K27uhbUJU1p1r_wW1gFWFOEjXk"),
            "E9Melhoa2OwvFrEMTJguCHaoeK1t8URWbuGJSstw-cM");
  fakes::FakeSecureRandom random;
  for (int round = 0; round < 8; ++round) {
    const auto verifier = randomBase64URL(random, 32);
    ASSERT_TRUE(verifier);
    EXPECT_EQ(verifier->size(), 43u);
    EXPECT_EQ(verifier->find_first_not_of(
                  "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_"),
              std::string::npos);
  }
  random.broken = true;
  EXPECT_FALSE(randomBase64URL(random, 32));
}

TEST(Pkce, AuthorizationAddressesNeedAWellFormedChallenge) {
  const std::string challenge = "E9Melhoa2OwvFrEMTJguCHaoeK1t8URWbuGJSstw-cM";
  EXPECT_EQ(googleAuthorizationURL("http://127.0.0.1:8787/agent.html?source=mac_app",
                                   DesktopAuthIntent::signUp, challenge),
            "http://127.0.0.1:8787/api/auth/google/start?intent=sign-up&source=macos_app"
            "&returnTo=/agent.html&native=macos&code_challenge=" +
                challenge + "&code_challenge_method=S256");
  EXPECT_FALSE(googleAuthorizationURL("https://ondi.example/", DesktopAuthIntent::signIn,
                                      challenge.substr(1)));
  EXPECT_FALSE(googleAuthorizationURL("https://ondi.example/", DesktopAuthIntent::signIn,
                                      challenge.substr(1) + "="));
  EXPECT_EQ(workspaceAuthURL("sign-up", "https://ondi.example/agent.html?source=mac_app"),
            "https://ondi.example/auth.html?mode=sign-up&returnTo=/agent.html?source%3Dmac_app");
}

TEST(AccountMessages, AreTrimmedAndShortened) {
  EXPECT_EQ(WorkspaceSessionController::shortSessionError("  \n"),
            "Account status is unavailable.");
  EXPECT_EQ(WorkspaceSessionController::shortSessionError(std::string(120, 'x')),
            std::string(120, 'x'));
  EXPECT_EQ(WorkspaceSessionController::shortSessionError(std::string(300, 'x')),
            std::string(117, 'x') + "\u2026");
  EXPECT_EQ(AuthenticationController::authenticationMessage(""),
            "Ondi returned an invalid account response. Please try again.");
  EXPECT_EQ(AuthenticationController::authenticationMessage(std::string(241, 'y')),
            std::string(237, 'y') + "\u2026");
  EXPECT_EQ(AuthenticationController::authenticationMessage(std::string(240, 'y')),
            std::string(240, 'y'));
}

TEST(JavaScriptLiterals, EscapeEverythingAScriptCouldBreakOn) {
  EXPECT_EQ(javaScriptLiteral("a\"b\\c\nd</script>"), R"("a\"b\\c\nd</script>")");
  EXPECT_EQ(javaScriptLiteral(""), R"("")");
}

}  // namespace
}  // namespace ondi
