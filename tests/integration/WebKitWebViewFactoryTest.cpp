#include <gtest/gtest.h>

#include <webkit/webkit.h>

#include <string>

#include "MainLoop.h"
#include "PageServer.h"
#include "WebKitFixture.h"
#include "platform/linux/WebKitWebViewAdapter.h"

using namespace ondi;

namespace {

bool gesturesEnabled(WebView& view) {
  auto* webView = WEBKIT_WEB_VIEW(dynamic_cast<platform::WebKitWebViewAdapter&>(view).widget());
  return webkit_settings_get_enable_back_forward_navigation_gestures(
      webkit_web_view_get_settings(webView));
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
  gtk_window_set_child(GTK_WINDOW(window),
                       dynamic_cast<platform::WebKitWebViewAdapter&>(*view).widget());
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

}  // namespace
