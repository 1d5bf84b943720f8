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

// Both theme scripts as the program carries them, installed as the surface installs them, in a
// service page of a local server. What the scripts do in a page is tested under Node
// (tests/web); here, that the desktop's palettes, default theme and style sheet reach them.
TEST(DesktopThemeIntegration, ServicePageGetsTheDesktopsPalettesDefaultThemeAndStyleSheet) {
  WebKitFixture webkit;
  PageServer server("127.0.0.1");
  server.addPage("/agent.html",
                 "<!doctype html><body><aside class='sidebar'></aside><form class='composer'>"
                 "</form></body>");
  const SurfaceResources resources = platform::bundledSurfaceResources(VelmoraTheme::washiStudio);
  WebViewConfiguration configuration;
  configuration.userScripts = {
      {desktopThemeApplicationScript(resources.desktopThemeScript, VelmoraTheme::teaHouseSand),
       UserScript::InjectionTime::documentStart},
      {minimalDesktopThemeScript(resources), UserScript::InjectionTime::documentEnd},
  };
  auto view = webkit.webViews().makeWebView(configuration);
  LoadRecorder loads;
  view->setDelegate(&loads);
  view->loadURL(server.url("/agent.html"));
  ASSERT_TRUE(runMainLoopUntil([&] { return loads.finished > 0; }));

  std::optional<ScriptResult> result;
  view->evaluateJavaScript(
      "var before = {theme: document.documentElement.getAttribute('data-velmora-theme'),"
      "  background: getComputedStyle(document.body).backgroundColor,"
      "  sidebar: getComputedStyle(document.querySelector('.sidebar')).display,"
      "  disclaimers: document.querySelectorAll('.composer > .velmora-ai-disclaimer').length};"
      "JSON.stringify({before: before, unknown: window.velmoraApplyDesktopTheme('__proto__'),"
      "  studio: document.documentElement.style.getPropertyValue('--line-strong')})",
      [&](ScriptResult r) { result = std::move(r); });
  ASSERT_TRUE(runMainLoopUntil([&] { return result.has_value(); }));
  ASSERT_TRUE(*result) << result->error();
  const auto page = nlohmann::json::parse(nlohmann::json::parse(**result).get<std::string>());
  EXPECT_EQ(page["before"], (nlohmann::json{{"theme", "tea-house-sand"},
                                            {"background", "rgb(234, 221, 199)"},
                                            {"sidebar", "none"},
                                            {"disclaimers", 1}}));
  EXPECT_EQ(page["unknown"], "studio");
  EXPECT_EQ(page["studio"], "rgba(27,27,25,0.205)");
  view->setDelegate(nullptr);
}

}  // namespace
