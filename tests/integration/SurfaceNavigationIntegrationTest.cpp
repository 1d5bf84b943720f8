#include <gtest/gtest.h>

#include <algorithm>

#include "MainLoop.h"
#include "PageServer.h"
#include "WebKitFixture.h"
#include "core/app/DesktopBrowserModel.h"
#include "fakes/FakeEnvironment.h"
#include "fakes/FakeMicrophoneAccess.h"
#include "fakes/FakeSecretStore.h"
#include "fakes/FakeWebAuthenticator.h"
#include "fakes/InMemorySettingsStore.h"
#include "fakes/RecordingLogger.h"
#include "fakes/RecordingSystemServices.h"
#include "platform/linux/GlibScheduler.h"
#include "platform/linux/LinuxSecureRandom.h"
#include "platform/linux/SoupHttpTransport.h"
#include "platform/linux/SystemClock.h"

using namespace ondi;

namespace {

// The model on a real WebKit surface, with pages from a workspace host (127.0.0.1) and from
// a foreign site (127.0.0.2).
class SurfaceNavigation : public ::testing::Test {
 protected:
  SurfaceNavigation() {
    workspace.addPage("/inner", R"(<a id="away" href=")" + foreign.url("/away") + R"(">away</a>)");
    workspace.addPage("/opened", "<title>Opened</title>");
    foreign.addPage("/landing", "<title>Landing</title>");
    foreign.addPage("/frame", "<p>foreign frame</p>");
    foreign.addPage("/away", "<p>away</p>");
  }

  // Shows `html` from the workspace host in the surface and waits for it.
  void showInSurface(const std::string& path, const std::string& html) {
    workspace.addPage(path, html);
    model.loadURL(workspace.url(path));
    ASSERT_TRUE(runMainLoopUntil([&] {
      return model.surfaceWebView().url() == workspace.url(path) &&
             !model.surfaceWebView().isLoading();
    }));
  }

  void runScript(const std::string& script) {
    bool done = false;
    model.surfaceWebView().evaluateJavaScript(script, [&](ScriptResult) { done = true; });
    ASSERT_TRUE(runMainLoopUntil([&] { return done; }));
  }

  PageServer workspace{"127.0.0.1"};
  PageServer foreign{"127.0.0.2"};
  WebKitFixture webkit;
  platform::GlibScheduler scheduler;
  platform::SystemClock clock;
  platform::SoupHttpTransport transport;
  fakes::FakeEnvironment environment;
  fakes::InMemorySettingsStore settings;
  fakes::RecordingLogger logger;
  fakes::RecordingSystemServices system;
  fakes::FakeMicrophoneAccess microphone;
  platform::LinuxSecureRandom random;
  fakes::FakeWebAuthenticator webAuthenticator;
  fakes::FakeSecretStore secrets;
  DesktopBrowserModel model{
      ServiceOrigin{"https://ondi.example", "ondi.example"},
      PlatformServices{scheduler, clock, environment, settings, logger, transport, webkit.cookies(),
                       webkit.webViews(), system, microphone, random, webAuthenticator, secrets},
      "<title>Operator</title>"};
};

TEST_F(SurfaceNavigation, AForeignLinkOpensAnInAppTabAndTheSurfaceStays) {
  showInSurface("/start", R"(<a id="out" href=")" + foreign.url("/landing") + R"(">out</a>)");
  runScript("document.getElementById('out').click()");

  ASSERT_TRUE(runMainLoopUntil([&] { return model.tabs.sessions().size() == 2; }));
  EXPECT_EQ(model.tabs.selectedSession().requestedURL, foreign.url("/landing"));
  EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::browserWorkspace());
  runMainLoopFor(std::chrono::milliseconds(300));
  EXPECT_EQ(model.surfaceWebView().url(), workspace.url("/start"));
}

TEST_F(SurfaceNavigation, ForeignChildFramesNeverLoadNorOpenTabs) {
  showInSurface("/framed", R"(<iframe id="inner" src=")" + workspace.url("/inner") +
                               R"("></iframe><iframe src=")" + foreign.url("/frame") +
                               R"("></iframe>)");
  ASSERT_TRUE(runMainLoopUntil([&] { return workspace.hits("/inner") == 1; }));
  // A workspace frame that tries to navigate itself to a foreign site stays where it is.
  runScript("document.getElementById('inner').contentDocument.getElementById('away').click()");
  runMainLoopFor(std::chrono::milliseconds(800));

  EXPECT_EQ(foreign.hits("/frame"), 0);
  EXPECT_EQ(foreign.hits("/away"), 0);
  EXPECT_EQ(model.tabs.sessions().size(), 1u);
  EXPECT_EQ(model.surfaceWebView().url(), workspace.url("/framed"));
}

TEST_F(SurfaceNavigation, MailLinksGoToTheSystem) {
  showInSurface("/mail", R"(<a id="mail" href="mailto:team@example.com">mail</a>)");
  runScript("document.getElementById('mail').click()");
  ASSERT_TRUE(runMainLoopUntil([&] { return !system.openedURLs.empty(); }));
  EXPECT_EQ(system.openedURLs, std::vector<std::string>{"mailto:team@example.com"});
  EXPECT_EQ(model.surfaceWebView().url(), workspace.url("/mail"));
}

TEST_F(SurfaceNavigation, WindowOpenOfAServicePageLoadsInTheSurface) {
  showInSurface("/opener", "<p>opener</p>");
  runScript("window.open('" + workspace.url("/opened") + "')");
  ASSERT_TRUE(
      runMainLoopUntil([&] { return model.surfaceWebView().url() == workspace.url("/opened"); }));
  EXPECT_EQ(model.tabs.sessions().size(), 1u);
  EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::agent());
}

TEST_F(SurfaceNavigation, AFailedLoadLogsOneLineAndStopsLoading) {
  const std::string unreachable = [] {
    PageServer closed("127.0.0.1");
    return closed.url("/unreachable");
  }();
  model.loadURL(unreachable);
  ASSERT_TRUE(runMainLoopUntil([&] {
    return std::ranges::count_if(logger.entries, [](const auto& entry) {
             return entry.message.starts_with("Navigation failed host=127.0.0.1 error=");
           }) == 1;
  })) << testing::PrintToString(logger.messages());
  ASSERT_TRUE(runMainLoopUntil([&] { return !model.navigation.isLoading.get(); }));
}

}  // namespace
