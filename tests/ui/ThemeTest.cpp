#include <gtest/gtest.h>

#include <gtkmm/box.h>
#include <gtkmm/checkbutton.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/stylecontext.h>

#include "ApplicationTest.h"
#include "core/theme/PanelStyle.h"
#include "core/theme/VelmoraThemePalette.h"
#include "ui/theme/PanelClasses.h"
#include "ui/theme/ThemeStylesheet.h"

using namespace ondi;

namespace {

using ThemeTest = ApplicationTest;

// The CSS rule for `selector` in `css`, from the selector to its closing brace.
std::string ruleFor(const std::string& css, const std::string& selector) {
  const auto start = css.find("\n" + selector + " {");
  if (start == std::string::npos) return "";
  return css.substr(start + 1, css.find('}', start) - start);
}

bool sameColor(const Gdk::RGBA& shown, const ThemeColor& expected) {
  return std::abs(shown.get_red() - expected.red) < 0.002 &&
         std::abs(shown.get_green() - expected.green) < 0.002 &&
         std::abs(shown.get_blue() - expected.blue) < 0.002;
}

std::string titleFamily(Gtk::Widget& title) {
  return title.get_pango_context()->get_font_description().get_family().raw();
}

TEST_F(ThemeTest, EveryThemeStylesheetParsesCleanlyAndCapsItsPanels) {
  runApplication([&](ui::OndiApplication&, DesktopBrowserModel&) {
    for (VelmoraTheme theme : kAllThemes) {
      SCOPED_TRACE(rawValue(theme));
      const std::string css = ui::themeStylesheet(theme);
      auto provider = Gtk::CssProvider::create();
      std::vector<std::string> errors;
      provider->signal_parsing_error().connect(
          [&](const Glib::RefPtr<const Gtk::CssSection>& section, const Glib::Error& error) {
            errors.push_back(section->to_string() + ": " + error.what());
          });
      provider->load_from_data(css);
      EXPECT_TRUE(errors.empty()) << errors.front();
      EXPECT_LE(panelCornerRadiusCap(theme), ui::kLargestPanelRadiusClass);
      EXPECT_EQ(css.find("Noto Serif CJK JP") != std::string::npos, usesJapaneseMotif(theme));
    }

    const std::string cinematic =
        ruleFor(ui::themeStylesheet(VelmoraTheme::porcelainAir), ".ondi-panel.radius-12.raised");
    EXPECT_NE(cinematic.find("border-radius: 8px;"), std::string::npos) << cinematic;
    EXPECT_NE(cinematic.find("box-shadow: 0 3px 7px rgba(0%,0%,0%,0.055);"), std::string::npos)
        << cinematic;
    const std::string aperture =
        ruleFor(ui::themeStylesheet(VelmoraTheme::quietAperture), ".ondi-panel.radius-12.raised");
    EXPECT_NE(aperture.find("border-radius: 0px;"), std::string::npos) << aperture;
    EXPECT_NE(aperture.find("box-shadow: none;"), std::string::npos) << aperture;

    Gtk::Box panel;
    ui::applyPanelStyle(panel, 40, true);
    EXPECT_TRUE(panel.has_css_class("ondi-panel"));
    EXPECT_TRUE(panel.has_css_class("radius-" + std::to_string(ui::kLargestPanelRadiusClass)));
    EXPECT_TRUE(panel.has_css_class("raised"));
  });
}

TEST_F(ThemeTest, PickerSwitchesTheThemeOfNativeScreensAndTheSurface) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    Gtk::Window& settings = application.settingsWindow();
    settings.present();
    Gtk::Widget* picker = findNamed(settings, "theme-picker");
    ASSERT_NE(picker, nullptr);
    EXPECT_TRUE(findLabel(*picker, "Theme"));
    for (VelmoraTheme theme : kAllThemes) {
      EXPECT_TRUE(findLabel(*picker, title(theme))) << title(theme);
      EXPECT_TRUE(findLabel(*picker, description(theme))) << description(theme);
    }
    auto* studio = findNamed<Gtk::CheckButton>(*picker, "theme-picker.studio");
    auto* cinematic = findNamed<Gtk::CheckButton>(*picker, "theme-picker.cinematic");
    ASSERT_TRUE(studio && cinematic);
    EXPECT_TRUE(studio->get_active());
    Gtk::Widget* heading = findLabel(settings, "Settings");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(titleFamily(*heading).rfind("Noto Serif CJK JP,", 0), 0u) << titleFamily(*heading);
    EXPECT_TRUE(sameColor(heading->get_style_context()->get_color(),
                          palette(VelmoraTheme::washiStudio).ink));
    screenshot("theme-settings-studio");

    cinematic->set_active(true);
    EXPECT_EQ(model.account.desktopPreferences.get().interfaceStyle, "cinematic");
    EXPECT_TRUE(sameColor(heading->get_style_context()->get_color(),
                          palette(VelmoraTheme::porcelainAir).ink));
    // The title's font follows with the window's next style update.
    EXPECT_TRUE(waitUntil([&] { return titleFamily(*heading).find("Serif") == std::string::npos; }))
        << titleFamily(*heading);
    screenshot("theme-settings-cinematic");

    // A choice made elsewhere shows in the picker.
    model.updateDesktopPreferences([](auto& p) { p.interfaceStyle = "tea-house-sand"; });
    EXPECT_TRUE(findNamed<Gtk::CheckButton>(*picker, "theme-picker.tea-house-sand")->get_active());
    EXPECT_FALSE(cinematic->get_active());
  });
}

}  // namespace
