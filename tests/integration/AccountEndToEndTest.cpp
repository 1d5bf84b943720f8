#include <gtest/gtest.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string_view>
#include <vector>

#include "MainLoop.h"
#include "OndiServerProcess.h"
#include "TemporaryDirectory.h"
#include "core/account/AccountState.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/ports/WebView.h"
#include "platform/linux/DesktopComposition.h"

using namespace ondi;

namespace {

using Kind = WorkspaceSessionState::Kind;

// The whole client — real adapters, its own folders — against a real ondi-server.
class AccountEndToEnd : public ::testing::Test {
 protected:
  AccountEndToEnd() {
    static const bool started = (gtk_init(), true);
    (void)started;
    setenv("VELMORA_API_BASE_URL", server.baseURL().c_str(), 1);
  }
  ~AccountEndToEnd() override { unsetenv("VELMORA_API_BASE_URL"); }

  // Starts (or restarts) the client on the same folders and waits for its first check.
  void launch() {
    client.reset();
    client = std::make_unique<platform::DesktopComposition>(platform::DesktopFolders{
        folder.path() / "config", folder.path() / "data", folder.path() / "cache"});
    EXPECT_TRUE(runMainLoopUntil([&] { return settled(); }));
  }

  bool settled() const {
    const auto& account = client->model.account;
    return !account.isWorkspaceSessionRefreshInFlight &&
           account.workspaceSessionState.get().kind() != Kind::checking;
  }
  Kind state() const { return client->model.account.workspaceSessionState.get().kind(); }
  AccountState& account() { return client->model.account; }

  void waitForState(Kind kind) {
    ASSERT_TRUE(runMainLoopUntil([&] { return state() == kind && settled(); }))
        << "error: " << account().authenticationError.get();
  }

  void signUp(const std::string& name, const std::string& email) {
    client->model.submitPasswordAuthentication(DesktopAuthIntent::signUp, name, email, kPassword,
                                               kPassword);
    waitForState(Kind::authenticated);
  }
  void signIn(const std::string& email) {
    client->model.submitPasswordAuthentication(DesktopAuthIntent::signIn, "", email, kPassword, "");
    waitForState(Kind::authenticated);
  }
  void signOut() {
    client->model.signOutWorkspace(false);
    waitForState(Kind::signedOut);
  }
  bool hasSessionCookie() {
    std::optional<bool> found;
    client->cookies.allCookies([&](std::vector<Cookie> cookies) {
      found =
          std::ranges::any_of(cookies, [](const Cookie& c) { return c.name == "velmora_session"; });
    });
    EXPECT_TRUE(runMainLoopUntil([&] { return found.has_value(); }));
    return found.value_or(false);
  }
  // The service's log lines for preference writes, in order.
  std::vector<std::string> preferenceWrites() const {
    std::vector<std::string> writes;
    std::istringstream log(server.standardError());
    for (std::string line; std::getline(log, line);) {
      if (line.starts_with(kPreferenceWrite)) writes.push_back(line);
    }
    return writes;
  }
  // Waits until the service has answered the next preference write, and checks it took it.
  void waitForSync() {
    ASSERT_TRUE(runMainLoopUntil([&] { return preferenceWrites().size() > answeredWrites; }));
    const auto writes = preferenceWrites();
    answeredWrites = writes.size();
    EXPECT_EQ(writes.back().substr(std::string_view(kPreferenceWrite).size(), 1), "2")
        << writes.back();
    EXPECT_EQ(account().accountActionError.get(), "");
  }

  static constexpr const char* kPassword = "correct horse battery staple";
  static constexpr const char* kPreferenceWrite = "PUT /api/account/preferences ";
  std::size_t answeredWrites = 0;
  OndiServerProcess server;
  TemporaryDirectory folder;
  std::unique_ptr<platform::DesktopComposition> client;
};

TEST_F(AccountEndToEnd, SignUpSyncsPreferencesSurvivesARestartAndSignsOut) {
  launch();
  EXPECT_EQ(state(), Kind::signedOut);
  EXPECT_TRUE(account().authProviders.get().emailPasswordEnabled);

  signUp("Ada Lovelace", "  Ada@Example.com ");
  EXPECT_EQ(account().workspaceSessionState.get().identity().email, "ada@example.com");
  EXPECT_EQ(client->model.navigation.activeRoute.get(), VelmoraRoute::agent());
  EXPECT_FALSE(account().agentInstructionProfiles.get().empty());
  client->model.updateDesktopPreferences([](auto& p) { p.showInspector = false; });
  waitForSync();

  launch();
  ASSERT_EQ(state(), Kind::authenticated);
  EXPECT_EQ(account().workspaceSessionState.get().identity().name, "Ada Lovelace");
  EXPECT_FALSE(account().desktopPreferences.get().showInspector);
  EXPECT_TRUE(hasSessionCookie());

  signOut();
  EXPECT_FALSE(hasSessionCookie());
  EXPECT_TRUE(account().agentInstructionProfiles.get().empty());
  launch();
  EXPECT_EQ(state(), Kind::signedOut);
}

TEST_F(AccountEndToEnd, TheUnifiedThemeFollowsOnlyTheUserWhoChoseIt) {
  launch();
  signUp("First User", "first@example.com");
  client->model.updateDesktopPreferences([](auto& p) { p.interfaceStyle = "washi-ember"; });
  waitForSync();
  client->model.updateDesktopPreferences([](auto& p) { p.interfaceStyle = "unified-workspace"; });
  waitForSync();
  signOut();

  signUp("Second User", "second@example.com");
  EXPECT_EQ(account().desktopPreferences.get().interfaceStyle, "studio");
  signOut();

  launch();
  signIn("first@example.com");
  EXPECT_EQ(account().desktopPreferences.get().interfaceStyle, "unified-workspace");
}

TEST_F(AccountEndToEnd, GoogleSignUpThroughTheConsentPage) {
  launch();
  ASSERT_TRUE(account().authProviders.get().googleConfigured);
  client->model.continueWithGoogle(DesktopAuthIntent::signUp);
  auto& authenticator = client->webAuthenticator;
  ASSERT_TRUE(authenticator.isActive());
  ASSERT_TRUE(runMainLoopUntil([&] {
    WebKitWebView* view = authenticator.webView();
    return view && !webkit_web_view_is_loading(view) &&
           std::string(webkit_web_view_get_uri(view)).find("/api/auth/google/start") !=
               std::string::npos;
  }));
  webkit_web_view_evaluate_javascript(authenticator.webView(),
                                      "document.getElementById('continue').click()", -1, nullptr,
                                      nullptr, nullptr, nullptr, nullptr);
  waitForState(Kind::authenticated);
  EXPECT_EQ(account().workspaceSessionState.get().identity().authProvider, "google");
  EXPECT_FALSE(authenticator.isActive());
  EXPECT_TRUE(hasSessionCookie());
}

// Any page can name the callback scheme; only the sign-in window's own page ends the sign-in.
TEST_F(AccountEndToEnd, AnotherPageCannotEndAGoogleSignIn) {
  launch();
  client->model.continueWithGoogle(DesktopAuthIntent::signIn);
  ASSERT_TRUE(client->webAuthenticator.isActive());
  WebView& surface = client->model.surfaceWebView();
  surface.loadHTML(
      "<img src='com.velmora.desktop.auth://callback?code=forged&state=forged' "
      "onerror='document.title = \"tried\"'>",
      server.baseURL() + "/");
  // The scheme's handler has answered the image by the time its error reaches the page.
  ASSERT_TRUE(runMainLoopUntil([&] { return surface.title() == "tried"; }));
  EXPECT_TRUE(client->webAuthenticator.isActive());
  EXPECT_TRUE(account().isAuthenticationActionInFlight.get());
  EXPECT_EQ(account().authenticationError.get(), "");
}

TEST_F(AccountEndToEnd, ClosingTheGoogleWindowCancels) {
  launch();
  client->model.continueWithGoogle(DesktopAuthIntent::signIn);
  ASSERT_TRUE(client->webAuthenticator.isActive());
  gtk_window_close(client->webAuthenticator.window());
  ASSERT_TRUE(runMainLoopUntil([&] { return !account().isAuthenticationActionInFlight.get(); }));
  EXPECT_EQ(account().authenticationError.get(), "Google sign-in was cancelled.");
  EXPECT_EQ(state(), Kind::signedOut);
}

}  // namespace
