#include <gtest/gtest.h>

#include <string>

#include "MainLoop.h"
#include "PageServer.h"
#include "WebKitFixture.h"
#include "core/monitor/BrowserbaseLiveView.h"

using namespace ondi;

namespace {

constexpr const char* kFirstControl = "/v1/sessions/0f8fad5b-d9cb-469f-a165-70867728950e/control";
constexpr const char* kSecondControl = "/v1/sessions/7c9e6679-7425-40de-944b-e07fc1f90ae7/control";

// The live view on a real WebKit, with a stand-in browser runner on a loopback server whose
// control pages try to open windows and to leave for other addresses.
class LiveViewIntegration : public ::testing::Test {
 protected:
  LiveViewIntegration() {
    const std::string escape =
        "<a id='popup' target='_blank' href='/popup'>popup</a>"
        "<a id='away' href='/away'>away</a>"
        "<script>function leave() {"
        "  document.getElementById('popup').click();"
        "  window.open('/popup-script');"
        "  document.getElementById('away').click();"
        "}</script>";
    runner.addPage(kFirstControl, "<title>First run</title>" + escape);
    runner.addPage(kSecondControl, "<title>Second run</title>");
    runner.addPage("/after", "after");
    elsewhere.addPage("/elsewhere", "<title>Elsewhere</title>");
    liveView.webViewReplaced.connect([this] { ++replaced; });
  }

  void showAndWait(const std::string& path) {
    liveView.update(runner.url(path), base);
    ASSERT_TRUE(runMainLoopUntil([&] {
      return liveView.webView()->url() == runner.url(path) && !liveView.webView()->isLoading();
    }));
  }

  std::string run(const std::string& script) {
    std::optional<ScriptResult> result;
    liveView.webView()->evaluateJavaScript(script, [&](ScriptResult r) { result = r; });
    EXPECT_TRUE(runMainLoopUntil([&] { return result.has_value(); }));
    return result && *result ? **result : "";
  }

  WebKitFixture webkit;
  PageServer runner{"127.0.0.1"};
  PageServer elsewhere{"127.0.0.2"};
  const std::string base = runner.url("");
  BrowserbaseLiveView liveView{webkit.webViews(),
                               LiveViewPolicy(ManagedLiveViewURLValidator("localhost"))};
  int replaced = 0;
};

TEST_F(LiveViewIntegration, LoadsEachRunnerPageOnceWithoutTheCacheAndBlanksForAnUnapprovedOne) {
  showAndWait(kFirstControl);
  EXPECT_TRUE(liveView.isPersistent());
  EXPECT_EQ(runner.lastRequestHeader(kFirstControl, "Cache-Control"), "no-store");

  // The same address again leaves the page alone; the next one loads in the same view.
  liveView.update(runner.url(kFirstControl), base);
  showAndWait(kSecondControl);
  EXPECT_EQ(runner.hits(kFirstControl), 1);
  EXPECT_EQ(replaced, 1);

  liveView.update(elsewhere.url("/elsewhere"), base);
  ASSERT_TRUE(runMainLoopUntil([&] {
    return liveView.webView()->url() == "about:blank" && !liveView.webView()->isLoading();
  }));
  EXPECT_EQ(elsewhere.hits("/elsewhere"), 0);
  EXPECT_EQ(liveView.loadedURL(), std::nullopt);
  EXPECT_EQ(replaced, 1);

  // The approved page comes back after the blank one.
  showAndWait(kSecondControl);
  EXPECT_EQ(runner.hits(kSecondControl), 2);
}

TEST_F(LiveViewIntegration, ThePageOpensNoWindowAndCannotLeave) {
  showAndWait(kFirstControl);
  run("leave(); 0");
  // Requests leave the page in order: once a later one arrived, the escapes were refused.
  run("fetch('/after'); 0");
  ASSERT_TRUE(runMainLoopUntil([&] { return runner.hits("/after") == 1; }));
  EXPECT_EQ(runner.hits("/popup"), 0);
  EXPECT_EQ(runner.hits("/popup-script"), 0);
  EXPECT_EQ(runner.hits("/away"), 0);
  EXPECT_EQ(liveView.webView()->url(), runner.url(kFirstControl));
  EXPECT_EQ(run("document.title"), "\"First run\"");
}

TEST_F(LiveViewIntegration, APageOutsideTheRunnerGetsAPrivateView) {
  showAndWait(kFirstControl);
  const std::string browserbase = "https://localhost:1/sessions/live";
  liveView.update(browserbase, base);
  EXPECT_FALSE(liveView.isPersistent());
  EXPECT_EQ(replaced, 2);
  EXPECT_EQ(liveView.loadedURL(), browserbase);
  showAndWait(kSecondControl);
  EXPECT_TRUE(liveView.isPersistent());
  EXPECT_EQ(replaced, 3);
}

}  // namespace
