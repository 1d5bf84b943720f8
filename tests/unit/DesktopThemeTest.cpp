#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/app/DesktopBrowserModel.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/origin/ServiceOrigin.h"
#include "core/ports/WebView.h"
#include "core/script/SurfaceResources.h"
#include "core/theme/DesktopThemeScripts.h"
#include "core/theme/VelmoraTheme.h"
#include "core/theme/VelmoraThemePalette.h"
#include "fakes/FakePlatform.h"

namespace ondi {
namespace {

using fakes::FakeWebView;
using ::testing::Contains;
using ::testing::HasSubstr;

const ServiceOrigin kOrigin{"https://ondi.example", "ondi.example"};

std::string callScript(const std::string& theme) {
  return "window.velmoraApplyDesktopTheme && window.velmoraApplyDesktopTheme('" + theme + "')";
}

// Stand-ins for the carried scripts: the model only splices them into its surface.
const SurfaceResources kResources{"<html></html>", "(function (settings) {})",
                                  "(function (install, settings, css) {})", "body {}"};

class DesktopThemeModelTest : public ::testing::Test {
 protected:
  explicit DesktopThemeModelTest(const std::string& storedTheme = "") {
    if (!storedTheme.empty()) platform.settings.setString(kInterfaceStyleKey, storedTheme);
    model = std::make_unique<DesktopBrowserModel>(kOrigin, platform.services(), kResources);
  }
  FakeWebView& surface() { return static_cast<FakeWebView&>(model->surfaceWebView()); }

  fakes::FakePlatform platform;
  std::unique_ptr<DesktopBrowserModel> model;
};

class TeaHouseModelTest : public DesktopThemeModelTest {
 protected:
  TeaHouseModelTest() : DesktopThemeModelTest("tea-house-sand") {}
};

TEST_F(TeaHouseModelTest, SurfaceIsCreatedWithTheCurrentThemesScriptsAndBackground) {
  const auto& scripts = surface().configuration.userScripts;
  ASSERT_EQ(scripts.size(), 2u);
  EXPECT_EQ(scripts[0].source, desktopThemeApplicationScript(kResources.desktopThemeScript,
                                                             VelmoraTheme::teaHouseSand));
  EXPECT_EQ(scripts[0].injectionTime, UserScript::InjectionTime::documentStart);
  EXPECT_EQ(scripts[1].source, minimalDesktopThemeScript(kResources));
  EXPECT_EQ(scripts[1].injectionTime, UserScript::InjectionTime::documentEnd);
  EXPECT_EQ(surface().configuration.backgroundColor,
            cssColor(palette(VelmoraTheme::teaHouseSand).workspace));
  // In-app tabs show sites as they are.
  EXPECT_TRUE(platform.webViews.made.at(1)->configuration.userScripts.empty());
}

TEST_F(DesktopThemeModelTest, EverySurfaceLoadReappliesTheStoredTheme) {
  model->load(VelmoraRoute::agent());
  platform.settings.setString(kInterfaceStyleKey, "quiet-aperture");
  surface().finishNavigation();
  // The theme comes first; the page is then told the model it uses.
  const auto& scripts = surface().scripts;
  EXPECT_EQ(scripts.at(scripts.size() - 2), callScript("quiet-aperture"));
  EXPECT_EQ(surface().backgroundColor, cssColor(palette(VelmoraTheme::quietAperture).workspace));

  platform.settings.setString(kInterfaceStyleKey, "Quiet-Aperture");
  surface().finishNavigation();
  EXPECT_EQ(scripts.at(scripts.size() - 2), callScript("studio"));
}

TEST_F(DesktopThemeModelTest, ChangingTheStyleRestylesTheSurfaceAtOnce) {
  model->updateDesktopPreferences([](auto& p) { p.interfaceStyle = "washi-ember"; });
  EXPECT_EQ(surface().scripts.back(), callScript("washi-ember"));
  EXPECT_EQ(surface().backgroundColor, cssColor(palette(VelmoraTheme::washiEmber).workspace));
  EXPECT_EQ(platform.settings.stringValue(kInterfaceStyleKey), "washi-ember");

  // An unknown style is applied, and stored, as the default theme; no page ever sees it.
  model->updateDesktopPreferences([](auto& p) { p.interfaceStyle = "');alert(1);('"; });
  EXPECT_EQ(surface().scripts.back(), callScript("studio"));
  EXPECT_THAT(surface().scripts, ::testing::Not(Contains(HasSubstr("alert"))));
  EXPECT_EQ(surface().backgroundColor, cssColor(palette(VelmoraTheme::washiStudio).workspace));
}

}  // namespace
}  // namespace ondi
