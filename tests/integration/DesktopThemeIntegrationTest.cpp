#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "LoadRecorder.h"
#include "MainLoop.h"
#include "PageServer.h"
#include "WebKitFixture.h"
#include "core/theme/DesktopThemeScripts.h"

using namespace ondi;

namespace {

constexpr const char* kServicePage =
    "<!doctype html><html><head></head><body><div class='app-shell'><aside class='sidebar'>"
    "</aside><main class='chat-pane'><select id='modelSelect'><option>Main operator</option>"
    "<option>Architect</option></select><form class='composer'><textarea id='promptInput'>"
    "</textarea></form></main></div></body></html>";

// A surface-like web view with both theme scripts installed, showing pages of a local server.
// The view sits in a window, as the surface does: the engine crashes when a view outside any
// window navigates a second time.
class DesktopThemeIntegration : public ::testing::Test {
 protected:
  DesktopThemeIntegration() : server("127.0.0.1") {
    WebViewConfiguration configuration;
    configuration.userScripts = {
        {desktopThemeApplicationScript(VelmoraTheme::teaHouseSand),
         UserScript::InjectionTime::documentStart},
        {minimalDesktopThemeScript(), UserScript::InjectionTime::documentEnd},
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

TEST_F(DesktopThemeIntegration, MinimalScriptStylesAServicePageOnceWhateverRunsItAgain) {
  open("/agent.html", kServicePage);
  view->evaluateJavaScript(minimalDesktopThemeScript());
  view->evaluateJavaScript(minimalDesktopThemeScript());
  const auto page = run(
      "({styles: document.querySelectorAll('#velmora-desktop-minimal-theme').length,"
      "disclaimers: document.querySelectorAll('.velmora-ai-disclaimer').length,"
      "text: document.getElementById('velmora-ai-disclaimer').textContent,"
      "inComposer: !!document.querySelector('.composer > #velmora-ai-disclaimer'),"
      "clicks: getComputedStyle(document.getElementById('velmora-ai-disclaimer')).pointerEvents,"
      "html: document.documentElement.className, body: document.body.className,"
      "sidebar: getComputedStyle(document.querySelector('.sidebar')).display})");
  EXPECT_EQ(page["styles"], 1);
  EXPECT_EQ(page["disclaimers"], 1);
  EXPECT_EQ(page["text"],
            "Ondi responses are AI-generated and can make mistakes. Please double-check important "
            "information.");
  EXPECT_EQ(page["inComposer"], true);
  EXPECT_EQ(page["clicks"], "none");
  EXPECT_EQ(page["html"], "velmora-desktop-minimal");
  EXPECT_EQ(page["body"], "velmora-desktop-shell");
  EXPECT_EQ(page["sidebar"], "none");
}

TEST_F(DesktopThemeIntegration, DisclaimerWaitsForALateComposer) {
  open("/late.html", "<!doctype html><body><main id='root'></main></body>");
  EXPECT_EQ(run("document.querySelectorAll('.velmora-ai-disclaimer').length"), 0);
  view->evaluateJavaScript(
      "var form = document.createElement('form'); form.className = 'composer';"
      "document.getElementById('root').appendChild(form);"
      "document.getElementById('root').appendChild(document.createElement('p'));");
  EXPECT_TRUE(runMainLoopUntil([&] {
    return run("document.querySelectorAll('.composer > .velmora-ai-disclaimer').length") == 1;
  }));
  // A further change would wake an observer still watching; the next script runs after it.
  run("(document.getElementById('root').appendChild(document.createElement('p')), 0)");
  EXPECT_EQ(run("document.querySelectorAll('.velmora-ai-disclaimer').length"), 1);
}

TEST_F(DesktopThemeIntegration, OperatorPageIsLeftToItsOwnStyling) {
  open("/operator.html",
       "<!doctype html><body class='velmora-native-chat-shell'><form class='composer'></form>"
       "</body>");
  const auto page =
      run("({styles: document.querySelectorAll('#velmora-desktop-minimal-theme').length,"
          "disclaimers: document.querySelectorAll('.velmora-ai-disclaimer').length,"
          "html: document.documentElement.className,"
          "applies: typeof window.velmoraApplyDesktopTheme})");
  EXPECT_EQ(page["styles"], 0);
  EXPECT_EQ(page["disclaimers"], 0);
  EXPECT_EQ(page["html"], "");
  EXPECT_EQ(page["applies"], "function");
}

TEST_F(DesktopThemeIntegration, PageFunctionAppliesKnownThemesAndStudioForAnythingElse) {
  open("/agent.html", kServicePage);
  // The installed default applies on a page that names no theme of its own.
  EXPECT_EQ(themeState()["html"], "tea-house-sand");

  EXPECT_EQ(run("window.velmoraApplyDesktopTheme('cinematic')"), "cinematic");
  EXPECT_EQ(themeState(), (nlohmann::json{{"html", "cinematic"},
                                          {"body", "cinematic"},
                                          {"stored", "cinematic"},
                                          {"bg", "#FFFFFF"},
                                          {"line", "rgba(0,0,0,0.145)"}}));

  for (const std::string name : {"'Cinematic'", "'__proto__'", "'toString'", "undefined"}) {
    EXPECT_EQ(run("window.velmoraApplyDesktopTheme(" + name + ")"), "studio") << name;
    const auto state = themeState();
    EXPECT_EQ(state["html"], "studio") << name;
    EXPECT_EQ(state["stored"], "studio") << name;
    EXPECT_EQ(state["bg"], "#F6F3EA") << name;
  }
}

TEST_F(DesktopThemeIntegration, ThemeChosenInOnePageReachesTheNextBeforeNativeCodeDoes) {
  open("/first.html", kServicePage);
  run("window.velmoraApplyDesktopTheme('quiet-aperture')");
  open("/second.html", kServicePage);
  const auto state = themeState();
  EXPECT_EQ(state["html"], "quiet-aperture");
  EXPECT_EQ(state["bg"], "#FFFFFF");
  // Flat chrome: the composer drops its shadow.
  EXPECT_EQ(run("getComputedStyle(document.querySelector('.composer')).boxShadow"), "none");
}

TEST_F(DesktopThemeIntegration, UseSubagentSelectsOrAddsTheModeAndDraftsThePrompt) {
  open("/agent.html", kServicePage);
  run("(document.getElementById('promptInput').addEventListener('input', function () {"
      "window.inputEvents = (window.inputEvents || 0) + 1; }), 0)");
  run("(window.velmoraDesktopUseSubagent('Architect'), 0)");
  run("(window.velmoraDesktopUseSubagent('SEO'), 0)");
  const auto page =
      run("({options: Array.from(document.getElementById('modelSelect').options, o => o.text),"
          "selected: document.getElementById('modelSelect').selectedOptions[0].text,"
          "prompt: document.getElementById('promptInput').value, events: window.inputEvents,"
          "focused: document.activeElement.id})");
  EXPECT_EQ(page["options"], (nlohmann::json{"Main operator", "Architect", "SEO"}));
  EXPECT_EQ(page["selected"], "SEO");
  EXPECT_EQ(page["prompt"],
            "Act as the SEO subagent. Start by defining your role, the inputs you need, the "
            "decisions you can make, and what needs owner approval.");
  EXPECT_EQ(page["events"], 2);
  EXPECT_EQ(page["focused"], "promptInput");
}

}  // namespace
