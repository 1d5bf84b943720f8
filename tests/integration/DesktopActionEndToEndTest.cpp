#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "MainLoop.h"
#include "OndiServerProcess.h"
#include "PageServer.h"
#include "WebKitPlatform.h"
#include "core/app/DesktopBrowserModel.h"
#include "core/browser/BrowserTabs.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/origin/ServiceOrigin.h"
#include "core/ports/WebView.h"
#include "core/script/SurfaceResources.h"
#include "platform/linux/Resources.h"
#include "platform/linux/SoupHttpTransport.h"

using namespace ondi;

namespace {

// Replaces the one occurrence of `from` in `text`; fails the test when there is not exactly one.
void replaceOnce(std::string& text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  ASSERT_NE(at, std::string::npos) << from;
  ASSERT_EQ(text.find(from, at + 1), std::string::npos) << from;
  text.replace(at, from.size(), to);
}

// The operator page the program carries, in a real WebKit surface of the model signed in to
// ondi-server, with its destination table pointed at local pages (127.0.0.2) that stand in for
// LinkedIn and Gmail.
class DesktopActionEndToEnd : public ::testing::Test {
 protected:
  DesktopActionEndToEnd() {
    destinations.addPage("/jobs/", "<title>Jobs stand-in</title>");
    destinations.addPage("/mail/", "<title>Mail stand-in</title>");
    platform.environment.values["VELMORA_API_BASE_URL"] = server.baseURL();
  }

  void signUp() {
    const std::string password = "correct horse battery staple";
    model.submitPasswordAuthentication(DesktopAuthIntent::signUp, "Tab Tester", "tabs@example.com",
                                       password, password);
    ASSERT_TRUE(runMainLoopUntil([&] {
      return model.account.workspaceSessionState.get().kind() ==
                 WorkspaceSessionState::Kind::authenticated &&
             !model.account.isWorkspaceSessionRefreshInFlight;
    })) << model.account.authenticationError.get();
  }

  std::string operatorPage() {
    std::string html = platform::resourceText("/com/velmora/desktop/operator.html");
    replaceOnce(html, R"("LinkedIn Jobs": "https://www.linkedin.com/jobs/")",
                R"("LinkedIn Jobs": ")" + destinations.url("/jobs/") + R"(")");
    replaceOnce(html, R"("Gmail": "https://mail.google.com/mail/u/0/#inbox")",
                R"("Gmail": ")" + destinations.url("/mail/#inbox") + R"(")");
    return html;
  }

  std::string runScript(const std::string& script) {
    std::optional<ScriptResult> result;
    model.surfaceWebView().evaluateJavaScript(script, [&](ScriptResult r) { result = r; });
    EXPECT_TRUE(runMainLoopUntil([&] { return result.has_value(); }));
    return result && *result ? **result : "";
  }

  OndiServerProcess server;
  PageServer destinations{"127.0.0.2"};
  WebKitPlatform platform;
  platform::SoupHttpTransport transport;
  DesktopBrowserModel model{ServiceOrigin{"https://ondi.example", "ondi.example"},
                            platform.services(transport),
                            {operatorPage()}};
};

TEST_F(DesktopActionEndToEnd, APromptOpensTwoInAppTabsAndThePageShowsTheReply) {
  signUp();
  model.load(VelmoraRoute::agent());
  // The page is ready once it shows the account and takes prompts.
  ASSERT_TRUE(runMainLoopUntil([&] {
    return !model.surfaceWebView().isLoading() &&
           runScript(
               "String(document.body.textContent.includes('tabs@example.com') && "
               "!document.getElementById('promptInput').disabled)") == "\"true\"";
  }));
  runScript(
      "document.getElementById('promptInput').value = "
      "'open linkedin jobs and gmail in the in-app browser';"
      "document.getElementById('composer').requestSubmit(); 'sent'");

  ASSERT_TRUE(runMainLoopUntil([&] { return model.tabs.sessions().size() == 3; }));
  const auto& sessions = model.tabs.sessions();
  EXPECT_EQ(sessions[1].requestedURL, destinations.url("/jobs/"));
  EXPECT_EQ(sessions[1].fallbackTitle, "LinkedIn Jobs");
  EXPECT_EQ(sessions[2].requestedURL, destinations.url("/mail/#inbox"));
  EXPECT_EQ(sessions[2].fallbackTitle, "Gmail");
  EXPECT_EQ(model.tabs.selectedBrowserTabID.get(), sessions[2].id);
  EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::browserWorkspace());
  // Both stand-ins really load in their tabs.
  EXPECT_TRUE(runMainLoopUntil(
      [&] { return destinations.hits("/jobs/") == 1 && destinations.hits("/mail/") == 1; }));

  // The reply ends the turn in the conversation.
  const std::string lastTurn =
      "document.querySelector('#messageList > li.assistant:last-child .bubble').textContent.trim()";
  EXPECT_TRUE(runMainLoopUntil([&] {
    return runScript(lastTurn) == "\"Opened LinkedIn Jobs, Gmail in Ondi browser tabs.\"";
  })) << runScript(lastTurn);
  EXPECT_EQ(runScript("document.getElementById('statusText').textContent"),
            "\"Desktop action completed.\"");
  EXPECT_EQ(model.tabs.sessions().size(), 3u);
}

}  // namespace
