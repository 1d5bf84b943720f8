#include <gtest/gtest.h>

#include <webkit/webkit.h>

#include <string>

#include "LoadRecorder.h"
#include "MainLoop.h"
#include "PageServer.h"
#include "TemporaryDirectory.h"
#include "WebKitFixture.h"
#include "platform/linux/WebKitWebViewAdapter.h"

using namespace ondi;

namespace {

WebKitWebView* webKitViewOf(WebView& view) {
  return dynamic_cast<platform::WebKitWebViewAdapter&>(view).webKitView();
}

// Lets every navigation through and records, for each load it sees start, whether the
// child-frame filter was in place, and the page named by each media request.
class RecordingDelegate final : public WebViewDelegate {
 public:
  explicit RecordingDelegate(std::function<bool()> filterReady = [] { return true; })
      : filterReady_(std::move(filterReady)) {}

  NavigationDecision decideNavigationPolicy(WebView&, const NavigationAction&) override {
    return NavigationDecision::allow;
  }
  void newWindowRequested(WebView&, const NavigationAction&) override {}
  void navigationStarted(WebView&) override { startsWithFilter.push_back(filterReady_()); }
  void navigationCommitted(WebView&) override {}
  void navigationFinished(WebView&) override { ++finished; }
  void navigationFailed(WebView&, const std::string&, const std::string&) override {}
  void navigationCancelled(WebView&) override {}
  void mediaCaptureRequested(WebView&, const std::string& origin, MediaCaptureKind,
                             std::function<void(bool)> decide) override {
    mediaOrigins.push_back(origin);
    decide(false);
  }

  std::vector<bool> startsWithFilter;
  std::vector<std::string> mediaOrigins;
  int finished = 0;

 private:
  std::function<bool()> filterReady_;
};

bool gesturesEnabled(WebView& view) {
  return webkit_settings_get_enable_back_forward_navigation_gestures(
      webkit_web_view_get_settings(webKitViewOf(view)));
}

void loadAndWait(WebView& view, const std::string& url) {
  view.loadURL(url);
  ASSERT_TRUE(runMainLoopUntil([&] { return view.url() == url && !view.isLoading(); }));
}

// Swipe navigation crashes WebKit in a view outside any window, so it follows realization.
TEST(WebKitWebViewFactory, ViewsOutsideAWindowNavigateSafelyAndSwipeOnlyOnScreen) {
  WebKitFixture webkit;
  auto view = webkit.webViews().makeWebView({});
  for (int page = 0; page < 4; ++page) {
    loadAndWait(*view, "data:text/html,page" + std::to_string(page));
  }
  EXPECT_FALSE(gesturesEnabled(*view));

  GtkWidget* window = gtk_window_new();
  gtk_window_set_child(GTK_WINDOW(window), GTK_WIDGET(webKitViewOf(*view)));
  gtk_window_present(GTK_WINDOW(window));
  ASSERT_TRUE(runMainLoopUntil([&] { return gesturesEnabled(*view); }));

  gtk_window_set_child(GTK_WINDOW(window), nullptr);
  EXPECT_FALSE(gesturesEnabled(*view));
  loadAndWait(*view, "data:text/html,after");
  loadAndWait(*view, "data:text/html,again");
  gtk_window_destroy(GTK_WINDOW(window));
}

// A load's time-out covers the wait for the server's answer, not the page's whole transfer.
TEST(WebKitWebViewFactory, ALoadTimesOutOnlyWhileWaitingForTheServer) {
  using std::chrono::milliseconds;
  WebKitFixture webkit;
  PageServer server("127.0.0.1");
  server.addStreamingPage("/silent", "<p>late", "</p>", milliseconds(6000), milliseconds(0));
  // The head is long enough for the engine to start rendering before the rest arrives.
  server.addStreamingPage("/streaming", "<title>Start</title>" + std::string(4096, ' '),
                          "<script>document.title = 'Done'</script>", milliseconds(0),
                          milliseconds(3000));
  auto view = webkit.webViews().makeWebView({});
  loadAndWait(*view, "data:text/html,warm");  // starts the web process

  view->loadURL(server.url("/streaming"), milliseconds(1500));
  EXPECT_TRUE(runMainLoopUntil([&] { return view->title() == "Done"; }))
      << "the whole page arrived";

  view->loadURL(server.url("/silent"), milliseconds(1000));
  ASSERT_TRUE(runMainLoopUntil([&] { return view->isLoading(); }));
  EXPECT_TRUE(runMainLoopUntil([&] { return !view->isLoading(); }, milliseconds(4000)))
      << "the load stops once the time-out passes without an answer";
}

// On a profile's first start the filter compiles while the window and the session check go
// on; a view that confines its child frames loads nothing before the filter is in place.
TEST(WebKitWebViewFactory, AConfinedViewLoadsOnlyOnceTheChildFrameFilterIsInPlace) {
  WebKitFixture webkit;
  TemporaryDirectory freshProfile;
  platform::WebKitWebViewFactory factory(webkit.network(), "ondi.example",
                                         freshProfile.path() / "filters");
  ASSERT_FALSE(factory.isChildFrameFilterReady());
  PageServer workspace("127.0.0.1");
  PageServer foreign("127.0.0.2");
  workspace.addPage("/framed", "<iframe src='" + foreign.url("/frame") + "'></iframe>");
  foreign.addPage("/frame", "<p>foreign</p>");

  WebViewConfiguration confined;
  confined.childFrameFilter = [](const std::string& url) {
    return url.find("127.0.0.1") != url.npos;
  };
  auto view = factory.makeWebView(confined);
  RecordingDelegate delegate([&] { return factory.isChildFrameFilterReady(); });
  view->setDelegate(&delegate);
  view->loadURL(workspace.url("/framed"));
  EXPECT_TRUE(view->isLoading()) << "a held load counts as loading";
  ASSERT_TRUE(runMainLoopUntil([&] { return delegate.finished == 1; }));

  EXPECT_EQ(delegate.startsWithFilter, std::vector<bool>{true});
  EXPECT_EQ(workspace.hits("/framed"), 1);
  EXPECT_EQ(foreign.hits("/frame"), 0);
  view->setDelegate(nullptr);
}

// A media request names the page the main frame has committed to: not the address a
// navigation is heading for, and nothing at all while that navigation is under way.
TEST(WebKitWebViewFactory, MediaRequestsNameTheCommittedPage) {
  using std::chrono::milliseconds;
  WebKitFixture webkit;
  PageServer service("127.0.0.1");
  const std::string ask = "navigator.mediaDevices.getUserMedia({audio: true}).catch(() => {})";
  // The service answers late, so its navigation stays uncommitted for a while.
  service.addStreamingPage("/landing", "<p>service", "</p>", milliseconds(1000), milliseconds(0));
  // The voice console asks from its page's first bytes.
  service.addStreamingPage("/console", "<script>" + ask + "</script>" + std::string(4096, ' '),
                           "<p>done</p>", milliseconds(0), milliseconds(1500));
  auto view = webkit.webViews().makeWebView({});
  WebKitSettings* settings = webkit_web_view_get_settings(webKitViewOf(*view));
  webkit_settings_set_enable_media_stream(settings, TRUE);
  webkit_settings_set_enable_mock_capture_devices(settings, TRUE);
  // Pages ask for devices only while they are on screen.
  GtkWidget* window = gtk_window_new();
  gtk_window_set_child(GTK_WINDOW(window), GTK_WIDGET(webKitViewOf(*view)));
  gtk_window_present(GTK_WINDOW(window));
  RecordingDelegate delegate;
  view->setDelegate(&delegate);

  // A foreign page heads for the service and asks in the same task.
  PageServer foreign("127.0.0.2");
  foreign.addPage("/start", "<p>foreign</p>");
  loadAndWait(*view, foreign.url("/start"));
  view->evaluateJavaScript("location = '" + service.url("/landing") + "'; " + ask);
  ASSERT_TRUE(runMainLoopUntil([&] { return delegate.mediaOrigins.size() == 1; }));
  EXPECT_TRUE(delegate.mediaOrigins[0].empty() || delegate.mediaOrigins[0] == foreign.url("/start"))
      << delegate.mediaOrigins[0];
  view->stopLoading();

  view->loadURL(service.url("/console"));
  ASSERT_TRUE(runMainLoopUntil([&] { return delegate.mediaOrigins.size() == 2; }));
  EXPECT_EQ(delegate.mediaOrigins[1], service.url("/console"));
  ASSERT_TRUE(runMainLoopUntil([&] { return !view->isLoading(); }));
  view->setDelegate(nullptr);
  gtk_window_destroy(GTK_WINDOW(window));
}

}  // namespace
