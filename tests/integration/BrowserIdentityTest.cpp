#include <gtest/gtest.h>

#include <webkit/webkit.h>

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

#include "MainLoop.h"
#include "PageServer.h"
#include "WebKitPlatform.h"
#include "core/app/DesktopBrowserModel.h"
#include "core/browser/BrowserTabs.h"
#include "core/origin/ServiceOrigin.h"
#include "core/ports/WebView.h"
#include "core/script/SurfaceResources.h"
#include "core/util/GlibHandles.h"
#include "fakes/FakeHttpTransport.h"
#include "platform/linux/WebKitWebAuthenticator.h"

using namespace ondi;

namespace {

// What pages of each kind of web view see: the surface, an in-app tab and the Google
// sign-in window, all on real WebKit views.
class BrowserIdentity : public ::testing::Test {
 protected:
  BrowserIdentity() { site.addPage("/who", "<p>who</p>"); }

  // WebKitGTK's own user agent, as fresh settings give it.
  static std::string engineUserAgent() {
    const auto settings = glib::ObjectRef<WebKitSettings>::adopt(webkit_settings_new());
    return webkit_settings_get_user_agent(settings.get());
  }

  static std::string userAgentOf(WebView& view) {
    std::optional<ScriptResult> result;
    view.evaluateJavaScript("navigator.userAgent", [&](ScriptResult r) { result = r; });
    EXPECT_TRUE(runMainLoopUntil([&] { return result.has_value(); }));
    return result && *result ? nlohmann::json::parse(**result).get<std::string>() : "";
  }

  static std::string userAgentOf(WebKitWebView* view) {
    std::optional<std::string> userAgent;
    const auto evaluated = glib::asyncReady([&userAgent](GObject* source, GAsyncResult* result) {
      const auto value = glib::ObjectRef<JSCValue>::adopt(
          webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(source), result, nullptr));
      userAgent = value ? glib::takeString(jsc_value_to_string(value.get())) : "";
    });
    webkit_web_view_evaluate_javascript(view, "navigator.userAgent", -1, nullptr, nullptr, nullptr,
                                        evaluated.callback, evaluated.data);
    EXPECT_TRUE(runMainLoopUntil([&] { return userAgent.has_value(); }));
    return userAgent.value_or("");
  }

  static std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
  }

  PageServer site{"127.0.0.1"};
  WebKitPlatform platform;
  fakes::FakeHttpTransport transport;
};

TEST_F(BrowserIdentity, EveryViewShowsTheEngineUserAgentWithTheProductTokenOnce) {
  const std::string expected = engineUserAgent() + " VelmoraDesktop/1.0";
  // The engine's own identity already names the Safari version it is compatible with.
  EXPECT_TRUE(expected.starts_with("Mozilla/5.0 (")) << expected;
  EXPECT_TRUE(expected.ends_with(" Safari/605.1.15 VelmoraDesktop/1.0")) << expected;
  EXPECT_EQ(occurrences(expected, "Version/"), 1u) << expected;
  EXPECT_EQ(occurrences(expected, "Safari/"), 1u) << expected;

  DesktopBrowserModel model{ServiceOrigin{"https://ondi.example", "ondi.example"},
                            platform.services(transport),
                            {"<title>Operator</title>"}};
  model.openInAppBrowserTab(site.url("/who"), std::nullopt);
  WebView& tab = *model.tabs.selectedSession().webView;
  ASSERT_TRUE(runMainLoopUntil([&] { return tab.url() == site.url("/who") && !tab.isLoading(); }));
  EXPECT_EQ(userAgentOf(tab), expected);
  EXPECT_EQ(userAgentOf(model.surfaceWebView()), expected);

  std::optional<bool> cancelled;
  platform::WebKitWebAuthenticator authenticator(platform.webkit.network(), {});
  ASSERT_TRUE(authenticator.start(site.url("/who"), "com.velmora.desktop.auth",
                                  [&](auto outcome) { cancelled = !outcome.has_value(); }));
  WebKitWebView* signIn = authenticator.webView();
  ASSERT_TRUE(runMainLoopUntil(
      [&] { return site.hits("/who") == 2 && !webkit_web_view_is_loading(signIn); }));
  EXPECT_EQ(userAgentOf(signIn), expected);
  gtk_window_close(authenticator.window());
  ASSERT_TRUE(runMainLoopUntil([&] { return cancelled.has_value(); }));
}

}  // namespace
