#include "AccountFixture.h"

#include "core/account/Pkce.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"

namespace ondi {
namespace {

using Kind = WorkspaceSessionState::Kind;
using Intent = DesktopAuthIntent;

class AuthenticationTest : public AccountFixture {
 protected:
  AuthenticationTest() {
    answer(200, {{"authenticated", false},
                 {"authProviders",
                  {{"googleConfigured", true},
                   {"emailPasswordEnabled", true},
                   {"passwordMinimumLength", 8}}}});
  }

  std::string submit(Intent intent, const std::string& name, const std::string& email,
                     const std::string& password, const std::string& confirmation) {
    model.submitPasswordAuthentication(intent, name, email, password, confirmation);
    return account().authenticationError.get();
  }

  static nlohmann::json authenticatedUser(const std::string& id, bool guest = false) {
    return {{"ok", true},
            {"authenticated", true},
            {"user",
             {{"id", id},
              {"email", "a@b.co"},
              {"name", "A"},
              {"authProvider", "email"},
              {"guest", guest}}}};
  }
};

TEST_F(AuthenticationTest, PasswordFormsAreCheckedInOrderBeforeAnyRequest) {
  const std::size_t before = requestCount();
  EXPECT_EQ(submit(Intent::signIn, "", "someone@example", "pw", ""),
            "Enter a valid email address.");
  EXPECT_EQ(submit(Intent::signIn, "", "a@b.co", "", ""), "Enter your password.");
  EXPECT_EQ(submit(Intent::signUp, " ", "a@b.co", "short", "other"), "Enter your full name.");
  EXPECT_EQ(submit(Intent::signUp, "Ada", "a@b.co", "1234567", "different"),
            "Use at least 8 characters for your password.");
  EXPECT_EQ(submit(Intent::signUp, "Ada", "a@b.co", "12345678", "12345679"),
            "The passwords do not match.");
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(requestCount(), before);

  EXPECT_EQ(submit(Intent::signIn, "", "  Ada@Example.COM ", "secret", ""), "");
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(lastRequest().url, "https://ondi.example/api/auth/password/sign-in");
  const auto body = nlohmann::json::parse(*lastRequest().body);
  EXPECT_EQ(body["email"], "ada@example.com");
  EXPECT_EQ(body["source"], "macos_app");
  EXPECT_EQ(body["returnTo"], "/agent.html");
  EXPECT_TRUE(account().isAuthenticationActionInFlight.get());
  model.submitPasswordAuthentication(Intent::signIn, "", "a@b.co", "x", "");
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(requestCount(), before + 1);
}

TEST_F(AuthenticationTest, SignUpWithVerificationShowsTheNoticeAndSwitchesToLogIn) {
  model.presentAuthentication(Intent::signUp);
  answer(200, {{"authenticated", false},
               {"authProviders", {{"emailPasswordEnabled", true}, {"passwordMinimumLength", 8}}}});
  submit(Intent::signUp, "Ada", "a@b.co", "12345678", "12345678");
  answer(200, {{"ok", true}, {"authenticated", false}, {"message", "Check a@b.co."}});
  EXPECT_EQ(account().authenticationNotice.get(), "Check a@b.co.");
  EXPECT_EQ(account().authenticationIntent.get(), Intent::signIn);
  EXPECT_TRUE(account().isAuthenticationPresented.get());
  EXPECT_FALSE(account().isAuthenticationActionInFlight.get());

  submit(Intent::signUp, "Ada", "a@b.co", "12345678", "12345678");
  answer(200, {{"ok", true}});
  EXPECT_EQ(account().authenticationNotice.get(),
            "Check your email and open the verification link, then return here to log in.");
}

TEST_F(AuthenticationTest, ASignInOpensTheAgentAndAGuestIsRefused) {
  model.presentAuthentication(Intent::signIn);
  answer(200, {{"authenticated", false}, {"authProviders", {{"emailPasswordEnabled", true}}}});
  submit(Intent::signIn, "", "a@b.co", "secret", "");
  answer(200, authenticatedUser("u1", true));
  EXPECT_EQ(account().workspaceSessionState.get().kind(), Kind::signedOut);
  EXPECT_EQ(account().authenticationError.get(),
            "Ondi could not verify a non-guest account. Please sign in again.");

  submit(Intent::signIn, "", "a@b.co", "secret", "");
  answer(401, {{"ok", false}, {"error", "That email and password do not match."}});
  EXPECT_EQ(account().authenticationError.get(), "That email and password do not match.");
  submit(Intent::signIn, "", "a@b.co", "secret", "");
  answer(500, {{"ok", false}});
  EXPECT_EQ(account().authenticationError.get(), "Ondi could not complete that account request.");

  submit(Intent::signIn, "", "a@b.co", "secret", "");
  answer(200, authenticatedUser("u1"));
  EXPECT_EQ(account().workspaceSessionState.get().identity(),
            (WorkspaceIdentity{"u1", "A", "a@b.co", "email"}));
  EXPECT_FALSE(account().isAuthenticationPresented.get());
  EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::agent());
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(lastRequest().url, kSessionPath);
}

TEST_F(AuthenticationTest, GoogleSignInUsesPkceAndTheCodeExchange) {
  const std::size_t before = requestCount();
  model.continueWithGoogle(Intent::signIn);
  auto& web = platform.webAuthenticator;
  ASSERT_TRUE(web.active);
  EXPECT_EQ(web.scheme, "com.velmora.desktop.auth");
  const std::string marker = "code_challenge=";
  const std::string challenge =
      web.startedURL.substr(web.startedURL.find(marker) + marker.size(), 43);
  EXPECT_EQ(web.startedURL.find("https://ondi.example/api/auth/google/start?intent=sign-in"), 0u);

  web.finish("com.velmora.desktop.auth://callback?code=abc%2B1");
  platform.scheduler.runUntilIdle();
  ASSERT_EQ(requestCount(), before + 1);
  EXPECT_EQ(lastRequest().url, "https://ondi.example/api/auth/native/exchange");
  const auto body = nlohmann::json::parse(*lastRequest().body);
  EXPECT_EQ(body["code"], "abc+1");
  EXPECT_EQ(codeChallenge(body["verifier"]), challenge);

  answer(400, {{"ok", false}});
  EXPECT_EQ(account().authenticationError.get(), "Google sign-in could not be completed.");
  EXPECT_FALSE(account().isAuthenticationActionInFlight.get());
}

TEST_F(AuthenticationTest, GoogleFailuresEachHaveTheirSentenceAndSendNothing) {
  const std::size_t before = requestCount();
  const std::vector<std::pair<std::expected<std::string, WebAuthenticationFailure>, std::string>>
      cases{
          {std::unexpected(WebAuthenticationFailure{true, ""}), "Google sign-in was cancelled."},
          {std::unexpected(WebAuthenticationFailure{false, " Network down. "}), "Network down."},
          {"com.velmora.desktop.auth://callback?error=google_cancelled",
           "Google sign-in was cancelled."},
          {"com.velmora.desktop.auth://callback?error=account_not_found",
           "No Ondi account exists for that Google identity. Choose Create account first."},
          {"com.velmora.desktop.auth://callback?error=other",
           "Google sign-in could not be completed. Please try again."},
          {"com.velmora.desktop.auth://callback?code=",
           "Ondi returned an invalid account response. Please try again."},
          {"com.velmora.desktop.auth://elsewhere?code=abc",
           "Ondi returned an invalid account response. Please try again."},
          {"https://evil.example/callback?code=abc",
           "Ondi returned an invalid account response. Please try again."},
      };
  for (const auto& [outcome, message] : cases) {
    model.continueWithGoogle(Intent::signIn);
    platform.webAuthenticator.finish(outcome);
    EXPECT_EQ(account().authenticationError.get(), message);
    EXPECT_FALSE(account().isAuthenticationActionInFlight.get());
  }
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(requestCount(), before);

  platform.webAuthenticator.refuses = true;
  model.continueWithGoogle(Intent::signIn);
  EXPECT_EQ(account().authenticationError.get(), "Google sign-in is temporarily unavailable.");
  EXPECT_FALSE(account().isAuthenticationActionInFlight.get());

  platform.random.broken = true;
  platform.webAuthenticator.refuses = false;
  model.continueWithGoogle(Intent::signIn);
  EXPECT_EQ(account().authenticationError.get(),
            "Ondi account access is not configured correctly.");
  EXPECT_FALSE(platform.webAuthenticator.active);
}

TEST_F(AuthenticationTest, SignOutClearsTheAccountOrRechecksOnFailure) {
  model.signOutWorkspace(true);
  EXPECT_TRUE(account().isAuthenticationPresented.get());
  platform.scheduler.runUntilIdle();
  EXPECT_NE(lastRequest().url, "https://ondi.example/api/auth/sign-out");
  answer(200, {{"authenticated", false}});
  model.dismissAuthentication();

  confirm("u1");
  account().conversationThreads.set({{"t1", "T", "", "", 1}});
  model.signOutWorkspace(false);
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(lastRequest().url, "https://ondi.example/api/auth/sign-out");
  answer(503, {{"ok", false}});
  EXPECT_EQ(account().accountActionError.get(),
            "Sign out failed. Ondi received an invalid response from the messaging service.");
  EXPECT_EQ(account().workspaceSessionState.get().kind(), Kind::authenticated);
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(lastRequest().url, kSessionPath);
  answer(200, signedIn("u1"));

  model.updateDesktopPreferences([](auto& p) { p.interfaceStyle = "cinematic"; });
  answer(200, {{"ok", true}});
  model.signOutWorkspace(false);
  answer(200, {{"ok", true}});
  EXPECT_EQ(account().workspaceSessionState.get().kind(), Kind::signedOut);
  EXPECT_EQ(account().desktopPreferences.get(), DesktopAccountPreferences::accountDefaults());
  EXPECT_TRUE(account().conversationThreads.get().empty());
  EXPECT_FALSE(account().isAccountActionInFlight.get());
  EXPECT_FALSE(account().isAuthenticationPresented.get());
}

}  // namespace
}  // namespace ondi
