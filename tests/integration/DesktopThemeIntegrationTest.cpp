#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "LoadRecorder.h"
#include "MainLoop.h"
#include "PageServer.h"
#include "WebKitFixture.h"
#include "core/theme/DesktopThemeScripts.h"
#include "platform/linux/BundledSurfaceResources.h"

using namespace ondi;

namespace {

constexpr const char* kServicePage =
    "<!doctype html><html><head></head><body><div class='app-shell'><aside class='sidebar'>"
    "</aside><main class='chat-pane'><select id='modelSelect'><option>Main operator</option>"
    "<option>Architect</option></select><form class='composer'><textarea id='promptInput'>"
    "</textarea></form></main></div></body></html>";

// A surface-like web view with both theme scripts installed as the program carries them,
// showing pages of a local server. What the scripts do in a page is tested under Node
// (tests/web); here, that the desktop's settings reach them.
// The view sits in a window, as the surface does: the engine crashes when a view outside any
// window navigates a second time.
class DesktopThemeIntegration : public ::testing::Test {
 protected:
  DesktopThemeIntegration() : server("127.0.0.1") {
    const SurfaceResources resources = platform::bundledSurfaceResources(VelmoraTheme::washiStudio);
    WebViewConfiguration configuration;
    configuration.userScripts = {
        {desktopThemeApplicationScript(resources.desktopThemeScript, VelmoraTheme::teaHouseSand),
         UserScript::InjectionTime::documentStart},
        {minimalDesktopThemeScript(resources), UserScript::InjectionTime::documentEnd},
    };
    view = webkit.webViews().makeWebView(configuration);
    view->setDelegate(&loads);
    gtk_window_set_child(GTK_WINDOW(window), GTK_WIDGET(view->nativeWidget()));
    gtk_window_present(GTK_WINDOW(window));
  }
  ~DesktopThemeIntegration() override {
    view->setDelegate(nullptr);
    gtk_window_destroy(GTK_WINDOW(window));
  }

  void open(const std::string& path, const std::string& html) {
    server.addPage(path, html);
    const int before = loads.finished;
    view->loadURL(server.url(path));
    ASSERT_TRUE(runMainLoopUntil([&] { return loads.finished > before; }));
  }
  // The page value of `expression`, as JSON.
  nlohmann::json run(const std::string& expression) {
    std::optional<ScriptResult> result;
    view->evaluateJavaScript("JSON.stringify(" + expression + ")",
                             [&](ScriptResult r) { result = std::move(r); });
    EXPECT_TRUE(runMainLoopUntil([&] { return result.has_value(); }));
    if (!result || !*result) {
      ADD_FAILURE() << (result ? result->error() : "no result") << " for " << expression;
      return nullptr;
    }
    return nlohmann::json::parse(nlohmann::json::parse(**result).get<std::string>());
  }
  nlohmann::json themeState() {
    return run(
        "(function () { var root = document.documentElement; return {"
        "html: root.getAttribute('data-velmora-theme'),"
        "body: document.body.getAttribute('data-velmora-theme'),"
        "stored: localStorage.getItem('velmora-native-theme'),"
        "bg: root.style.getPropertyValue('--bg'),"
        "line: root.style.getPropertyValue('--line-strong')}; })()");
  }

  WebKitFixture webkit;
  PageServer server;
  LoadRecorder loads;
  std::unique_ptr<WebView> view;
  GtkWidget* window = gtk_window_new();
};

TEST_F(DesktopThemeIntegration, ServicePageGetsTheDefaultThemeTheStyleSheetAndTheDisclaimer) {
  open("/agent.html", kServicePage);
  EXPECT_EQ(themeState(), (nlohmann::json{{"html", "tea-house-sand"},
                                          {"body", "tea-house-sand"},
                                          {"stored", "tea-house-sand"},
                                          {"bg", "#EADDC7"},
                                          {"line", "rgba(35,32,27,0.220)"}}));
  const auto page =
      run("({styles: document.querySelectorAll('#velmora-desktop-minimal-theme').length,"
          "inComposer: !!document.querySelector('.composer > #velmora-ai-disclaimer'),"
          "sidebar: getComputedStyle(document.querySelector('.sidebar')).display,"
          "background: getComputedStyle(document.body).backgroundColor})");
  EXPECT_EQ(page["styles"], 1);
  EXPECT_EQ(page["inComposer"], true);
  EXPECT_EQ(page["sidebar"], "none");
  EXPECT_EQ(page["background"], "rgb(234, 221, 199)");
}

TEST_F(DesktopThemeIntegration, PageFunctionAppliesKnownThemesAndStudioForAnythingElse) {
  open("/agent.html", kServicePage);
  EXPECT_EQ(run("window.velmoraApplyDesktopTheme('cinematic')"), "cinematic");
  EXPECT_EQ(themeState()["bg"], "#FFFFFF");
  EXPECT_EQ(run("window.velmoraApplyDesktopTheme('__proto__')"), "studio");
  EXPECT_EQ(themeState()["bg"], "#F6F3EA");
}

}  // namespace
