#include <gtest/gtest.h>

#include <algorithm>

#include <nlohmann/json.hpp>

#include "MainLoop.h"
#include "PageServer.h"
#include "WebKitPlatform.h"
#include "core/app/DesktopBrowserModel.h"
#include "core/browser/BrowserTabs.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/origin/ServiceOrigin.h"
#include "core/ports/WebView.h"
#include "core/script/SurfaceResources.h"
#include "platform/linux/SoupHttpTransport.h"

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

  ScriptResult runScript(const std::string& script) {
    std::optional<ScriptResult> result;
    model.surfaceWebView().evaluateJavaScript(script, [&](ScriptResult r) { result = r; });
    EXPECT_TRUE(runMainLoopUntil([&] { return result.has_value(); }));
    return result.value_or(std::unexpected(std::string("no result")));
  }

  // Posts a desktop action from the surface's main frame and returns the replies the page
  // received through its update function, as JSON text.
  std::string desktopActionReplies(const std::string& body) {
    runScript(
        "window.replies = []; window.velmoraDesktopActionUpdate = r => replies.push(r);"
        "webkit.messageHandlers.velmoraDesktopAction.postMessage(" +
        body + ")");
    runMainLoopUntil([&] { return runScript("replies.length") != ScriptResult("0"); });
    const auto replies = runScript("JSON.stringify(replies)");
    return replies ? nlohmann::json::parse(*replies).get<std::string>() : "";
  }

  std::size_t blockedMessages() const {
    return std::ranges::count_if(platform.logger.entries, [](const auto& entry) {
      return entry.message.starts_with("Blocked privileged bridge message");
    });
  }

  PageServer workspace{"127.0.0.1"};
  PageServer foreign{"127.0.0.2"};
  WebKitPlatform platform;
  platform::SoupHttpTransport transport;
  DesktopBrowserModel model{ServiceOrigin{"https://ondi.example", "ondi.example"},
                            platform.services(transport),
                            {"<title>Operator</title>"}};
};

// The click is decided before the surface sends anything: the site sees one request, the
// tab's, and a site that never answers still gets its tab.
TEST_F(SurfaceNavigation, AForeignLinkOpensAnInAppTabAndTheSurfaceStays) {
  const std::string unreachable = [] {
    PageServer closed("127.0.0.2");
    return closed.url("/gone");
  }();
  showInSurface("/start", R"(<a id="out" href=")" + foreign.url("/landing") +
                              R"(">out</a><a id="gone" href=")" + unreachable + R"(">gone</a>)");
  runScript("document.getElementById('out').click()");

  ASSERT_TRUE(runMainLoopUntil([&] { return model.tabs.sessions().size() == 2; }));
  EXPECT_EQ(model.tabs.selectedSession().requestedURL, foreign.url("/landing"));
  EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::browserWorkspace());
  ASSERT_TRUE(
      runMainLoopUntil([&] { return model.tabs.selectedSession().webView->title() == "Landing"; }));
  // A request the surface sends after the click reaches the site after any the click started.
  runScript("new Image().src = '" + foreign.url("/later") + "'; 0");
  ASSERT_TRUE(runMainLoopUntil([&] { return foreign.hits("/later") == 1; }));
  EXPECT_EQ(foreign.hits("/landing"), 1);
  EXPECT_EQ(model.surfaceWebView().url(), workspace.url("/start"));

  runScript("document.getElementById('gone').click()");
  ASSERT_TRUE(runMainLoopUntil([&] { return model.tabs.sessions().size() == 3; }));
  EXPECT_EQ(model.tabs.selectedSession().requestedURL, unreachable);
}

// A service frame may show images from anywhere; a foreign frame never loads, and a frame
// that sends itself to a foreign site stays where it is. A click inside a service frame cannot
// be told from one in the main frame, so it opens a tab.
TEST_F(SurfaceNavigation, ForeignChildFramesNeverLoadNorOpenTabs) {
  const std::string pixel = "<svg xmlns='http://www.w3.org/2000/svg' width='3' height='2'></svg>";
  foreign.addPage("/pixel.svg", pixel, "image/svg+xml");
  workspace.addPage("/pictured", "<img id='pixel' src='" + foreign.url("/pixel.svg") + "'>");
  workspace.addPage("/leaving", "<script>parent.leaving = true; location.href = '" +
                                    foreign.url("/elsewhere") + "'</script>");
  showInSurface("/framed", R"(<iframe id="inner" src=")" + workspace.url("/inner") +
                               R"("></iframe><iframe src=")" + foreign.url("/frame") +
                               R"("></iframe><iframe id="pictured" src=")" +
                               workspace.url("/pictured") + R"("></iframe><iframe src=")" +
                               workspace.url("/leaving") + R"("></iframe>)");
  ASSERT_TRUE(runMainLoopUntil([&] {
    return runScript(
               "document.getElementById('pictured').contentDocument"
               ".getElementById('pixel').naturalWidth") == ScriptResult("3");
  }));
  ASSERT_TRUE(runMainLoopUntil([&] { return runScript("window.leaving === true") == "true"; }));

  // The click's navigation is decided after the leaving frame's and after the frames' loads;
  // once its tab has loaded, anything those were let through would have reached the site.
  runScript("document.getElementById('inner').contentDocument.getElementById('away').click()");
  ASSERT_TRUE(runMainLoopUntil([&] { return model.tabs.sessions().size() == 2; }));
  EXPECT_EQ(model.tabs.selectedSession().requestedURL, foreign.url("/away"));
  ASSERT_TRUE(runMainLoopUntil([&] { return foreign.hits("/away") == 1; }));
  EXPECT_EQ(foreign.hits("/pixel.svg"), 1);
  EXPECT_EQ(foreign.hits("/frame"), 0);
  EXPECT_EQ(foreign.hits("/elsewhere"), 0);
  EXPECT_EQ(model.surfaceWebView().url(), workspace.url("/framed"));
}

// Only a mail link the user follows reaches the system: not a frame's address, nor the
// page's own script.
TEST_F(SurfaceNavigation, MailLinksGoToTheSystem) {
  showInSurface("/mail", R"(<a id="mail" href="mailto:team@example.com">mail</a>)"
                         R"(<iframe src="mailto:frame@example.com"></iframe>)"
                         R"(<script>location = "mailto:script@example.com"</script>)");
  // The frame's and the script's addresses were decided while the page loaded, before the
  // click: had they reached the system they would come first.
  runScript("document.getElementById('mail').click()");
  ASSERT_TRUE(runMainLoopUntil([&] { return !platform.system.openedURLs.empty(); }));
  EXPECT_EQ(platform.system.openedURLs, std::vector<std::string>{"mailto:team@example.com"});
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
    return std::ranges::count_if(platform.logger.entries, [](const auto& entry) {
             return entry.message.starts_with("Navigation failed host=127.0.0.1 error=");
           }) == 1;
  })) << testing::PrintToString(platform.logger.messages());
  ASSERT_TRUE(runMainLoopUntil([&] { return !model.navigation.isLoading.get(); }));
}

TEST_F(SurfaceNavigation, TheBridgeAnswersTheMainFrameOfTheOperatorPageAndOfTheLocalHost) {
  const std::string unknown =
      R"([{"error":"Ondi does not know that desktop action yet.","id":"a1","kind":"desktopAction",)"
      R"("ok":false}])";
  model.load(VelmoraRoute::agent());
  ASSERT_TRUE(runMainLoopUntil([&] { return !model.surfaceWebView().isLoading(); }));
  ASSERT_TRUE(model.isShowingDesktopChat());
  EXPECT_EQ(desktopActionReplies("{id: 'a1', action: 'openNowhere'}"), unknown);

  showInSurface("/local", "<p>local</p>");
  EXPECT_EQ(desktopActionReplies("{id: 'a1', action: 'openNowhere'}"), unknown);
  const auto malformed = nlohmann::json::parse(desktopActionReplies("'text'"));
  ASSERT_EQ(malformed.size(), 1u);
  EXPECT_EQ(malformed[0]["error"], "Invalid desktop action request.");
  EXPECT_EQ(malformed[0]["id"].get<std::string>().size(), 36u);
  EXPECT_EQ(blockedMessages(), 0u);
}

TEST_F(SurfaceNavigation, TheBridgeRefusesFramesSyntheticEventsAndPlainHttpServicePages) {
  PageServer otherPort("127.0.0.1");
  const std::string post =
      "<script>webkit.messageHandlers.velmoraDesktopAction.postMessage({id: 'f'})</script>";
  workspace.addPage("/same-origin", post);
  otherPort.addPage("/cross-origin", post);
  showInSurface("/frames", "<iframe src='" + workspace.url("/same-origin") +
                               "'></iframe><iframe src='" + otherPort.url("/cross-origin") +
                               "'></iframe>");
  ASSERT_TRUE(runMainLoopUntil([&] { return blockedMessages() == 2; }));
  runScript(
      "window.dispatchEvent(new MessageEvent('message', {data: {velmoraBridge: "
      "'velmoraOpenAI', body: {id: 's'}}, origin: location.origin, source: window}))");
  ASSERT_TRUE(runMainLoopUntil([&] { return blockedMessages() == 3; }));

  model.surfaceWebView().loadHTML("<p>plain</p>", "http://app.ondi.example/");
  ASSERT_TRUE(runMainLoopUntil([&] {
    return model.surfaceWebView().url() == "http://app.ondi.example/" &&
           !model.surfaceWebView().isLoading();
  }));
  runScript("webkit.messageHandlers.velmoraSpeech.postMessage({action: 'start'})");
  ASSERT_TRUE(runMainLoopUntil([&] { return blockedMessages() == 4; }));

  std::vector<std::string> blocked;
  for (const auto& message : platform.logger.messages()) {
    if (message.starts_with("Blocked")) blocked.push_back(message);
  }
  const std::vector<std::string> expected = {
      "Blocked privileged bridge message name=velmoraDesktopAction host=127.0.0.1 mainFrame=0",
      "Blocked privileged bridge message name=velmoraDesktopAction host=127.0.0.1 mainFrame=0",
      "Blocked privileged bridge message name=velmoraOpenAI host=127.0.0.1 mainFrame=0",
      "Blocked privileged bridge message name=velmoraSpeech host=app.ondi.example mainFrame=1"};
  EXPECT_EQ(blocked, expected);
  EXPECT_EQ(runScript("typeof window.replies"), ScriptResult("\"undefined\""));
}

}  // namespace
