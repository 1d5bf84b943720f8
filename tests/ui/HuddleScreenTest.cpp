#include <gtest/gtest.h>

#include <gtkmm/button.h>
#include <gtkmm/checkbutton.h>
#include <gtkmm/dropdown.h>
#include <gtkmm/icontheme.h>
#include <gtkmm/togglebutton.h>

#include "ApplicationTest.h"
#include "OndiServerProcess.h"
#include "core/account/DesktopPreferencesController.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/ports/WebView.h"
#include "core/shell/SymbolIcons.h"
#include "core/theme/VelmoraTheme.h"
#include "core/voice/HuddleController.h"
#include "ui/app/MainWindow.h"

using namespace ondi;

namespace {

// The application signed in to a real ondi-server, whose voice route loads the service's
// voice console into the agent page beneath the huddle.
class HuddleScreenTest : public ApplicationTest {
 protected:
  HuddleScreenTest() { g_setenv("VELMORA_API_BASE_URL", server.baseURL().c_str(), TRUE); }

  OndiServerProcess server;
};

void useTheme(DesktopBrowserModel& model, VelmoraTheme theme) {
  model.preferences().update([&](DesktopAccountPreferences& preferences) {
    preferences.interfaceStyle = rawValue(theme);
  });
}

// The text of the label named `name` under `root`.
std::string labelText(Gtk::Widget& root, const std::string& name) {
  auto* label = findNamed<Gtk::Label>(root, name);
  return label ? std::string(label->get_text()) : "(no " + name + ")";
}

// The text a button named `name` under `root` shows.
std::string buttonText(Gtk::Widget& root, const std::string& name) {
  Gtk::Widget* button = findNamed(root, name);
  return button ? firstLabelText(*button) : "(no " + name + ")";
}

TEST_F(HuddleScreenTest, TheVoiceRouteShowsTheHuddleOverTheLiveConsoleAndChoosesTheTeam) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    window.set_default_size(1080, 720);
    ASSERT_TRUE(signUp(model));
    EXPECT_FALSE(model.huddle().isVisible());

    model.load(VelmoraRoute::voice());
    ASSERT_NE(findNamed(window, "screen.voice"), nullptr);
    Gtk::Widget& screen = *findNamed(window, "screen.voice");
    ASSERT_TRUE(waitUntil([&] { return screen.get_mapped(); }));
    auto* include = findNamed<Gtk::CheckButton>(screen, "huddle.participant.seo.include");
    auto* provider = findNamed<Gtk::DropDown>(screen, "huddle.participant.main.model");
    auto* everyone = findNamed<Gtk::ToggleButton>(screen, "huddle.mode.all");
    auto* relevant = findNamed<Gtk::ToggleButton>(screen, "huddle.mode.relevant");
    auto* toggle = findNamed<Gtk::Button>(screen, "huddle.participants-toggle");
    auto* panel = findNamed(screen, "huddle.participants");
    ASSERT_TRUE(include && provider && everyone && relevant && toggle && panel);
    EXPECT_TRUE(model.huddle().isVisible());
    // The console keeps running beneath: its page stays on screen, covered.
    EXPECT_TRUE(model.surfaceWebView().nativeWidget() &&
                gtk_widget_get_mapped(GTK_WIDGET(model.surfaceWebView().nativeWidget())));
    ASSERT_TRUE(waitUntil([&] {
      return model.huddle().callState().get().kind() != HuddleCallState::Kind::checking;
    }));
    EXPECT_EQ(labelText(window, "shell.status-badge.text"),
              badgeText(voiceSignal(model.huddle().callState().get())));
    EXPECT_EQ(labelText(screen, "huddle.state"), stateLabel(model.huddle().callState().get()));
    EXPECT_EQ(labelText(screen, "huddle.last-action"), model.huddle().lastAction().get());
    EXPECT_TRUE(findLabel(screen, "Talk with your agent team"));
    EXPECT_EQ(buttonText(screen, "huddle.empty.start"), "Start with 7 agents");
    screenshot("huddle-studio-1080");

    // Leaving an agent out counts everywhere; its model choice is kept per agent.
    EXPECT_TRUE(include->get_active());
    include->set_active(false);
    EXPECT_FALSE(model.huddle().participants().get()[5].isIncluded);
    EXPECT_EQ(labelText(screen, "huddle.agent-count"), "6 agents");
    EXPECT_EQ(buttonText(screen, "huddle.empty.start"), "Start with 6 agents");
    EXPECT_EQ(provider->get_selected(), 0u);
    provider->set_selected(1);
    EXPECT_EQ(model.huddle().participants().get()[0].modelMode, "anthropic");

    click(*everyone);
    EXPECT_EQ(model.huddle().selectionMode().get(), HuddleSelectionMode::all);
    EXPECT_EQ(labelText(screen, "huddle.mode.meaning"),
              "Every enabled agent answers each spoken turn in order.");
    EXPECT_FALSE(relevant->get_active());

    EXPECT_EQ(toggle->get_label(), "Hide participants");
    click(*toggle);
    EXPECT_FALSE(isShown(*panel));
    EXPECT_EQ(toggle->get_label(), "Show participants");
    screenshot("huddle-no-participants");
    click(*toggle);
    EXPECT_TRUE(isShown(*panel));

    for (const char* control :
         {"huddle.mute", "huddle.interrupt", "huddle.call", "huddle.reload", "huddle.open-web"}) {
      Gtk::Widget* button = findNamed(screen, control);
      EXPECT_TRUE(button && isShown(*button)) << control;
    }
    EXPECT_EQ(buttonText(screen, "huddle.call"), "Start huddle");
    EXPECT_FALSE(findNamed(screen, "huddle.mute")->get_sensitive()) << "no call to mute yet";
    auto icons = Gtk::IconTheme::get_for_display(window.get_display());
    for (const HuddleParticipant& participant : defaultHuddleRoster()) {
      EXPECT_TRUE(icons->has_icon(iconName(participant.symbol))) << participant.symbol;
    }

    // The team and mode survive a change of theme, which builds the layout again.
    useTheme(model, VelmoraTheme::quietAperture);
    window.set_default_size(1480, 900);
    Gtk::Widget& themed = *findNamed(*application.mainWindow(), "screen.voice");
    ASSERT_TRUE(waitUntil([&] { return themed.get_mapped(); }));
    EXPECT_FALSE(include->get_active());
    EXPECT_TRUE(everyone->get_active());
    screenshot("huddle-quiet-aperture-1480");

    model.load(VelmoraRoute::home());
    EXPECT_FALSE(model.huddle().isVisible());
    EXPECT_FALSE(isShown(themed));
  });
}

}  // namespace
