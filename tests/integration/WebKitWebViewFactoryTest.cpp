#include <gtest/gtest.h>

#include <webkit/webkit.h>

#include <string>

#include "MainLoop.h"
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

}  // namespace
