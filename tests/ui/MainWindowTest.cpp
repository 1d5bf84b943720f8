#include <gtest/gtest.h>

#include <glibmm/main.h>
#include <gtkmm/label.h>

#include <cstdlib>
#include <memory>

#include "TemporaryDirectory.h"
#include "platform/linux/DesktopComposition.h"
#include "ui/app/MainWindow.h"
#include "ui/app/OndiApplication.h"

using namespace ondi;

namespace {

template <typename T>
T* findNamed(Gtk::Widget& root, const std::string& name) {
  if (root.get_name().raw() == name) return dynamic_cast<T*>(&root);
  for (Gtk::Widget* child = root.get_first_child(); child; child = child->get_next_sibling()) {
    if (T* found = findNamed<T>(*child, name)) return found;
  }
  return nullptr;
}

// Saves a picture of the screen for review when ONDI_SCREENSHOT_DIR names a folder.
void screenshot(const std::string& name) {
  const char* folder = std::getenv("ONDI_SCREENSHOT_DIR");
  if (!folder) return;
  const std::string command = "import -window root " + std::string(folder) + "/" + name + ".png";
  g_spawn_command_line_sync(command.c_str(), nullptr, nullptr, nullptr, nullptr);
}

// Runs the application on private folders; `check` runs once the main window is presented.
class MainWindowTest : public ::testing::Test {
 protected:
  void runApplication(std::function<void(ui::OndiApplication&, DesktopBrowserModel&)> check) {
    auto application = ui::OndiApplication::create(Gio::Application::Flags::NON_UNIQUE);
    std::unique_ptr<platform::DesktopComposition> composition;
    application->signal_startup().connect([&] {
      composition = std::make_unique<platform::DesktopComposition>(platform::DesktopFolders{
          folder.path() / "config", folder.path() / "data", folder.path() / "cache"});
      application->attach(composition->model, composition->logger, composition->scheduler);
    });
    application->signal_shutdown().connect([&] { composition.reset(); });
    Glib::signal_timeout().connect_once(
        [&] {
          check(*application, composition->model);
          application->quit();
        },
        1500);
    application->run(0, nullptr);
  }

  void settle(int milliseconds) {
    const auto until = g_get_monotonic_time() + milliseconds * 1000;
    while (g_get_monotonic_time() < until) g_main_context_iteration(nullptr, FALSE);
  }

  TemporaryDirectory folder;
};

TEST_F(MainWindowTest, OpensTitledAtItsSizesWithTheCommandMenu) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel&) {
    ui::MainWindow* window = application.mainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->get_visible());
    EXPECT_EQ(window->get_title(), "Ondi");
    int width = 0, height = 0;
    window->get_default_size(width, height);
    EXPECT_EQ(width, 1480);
    EXPECT_EQ(height, 900);
    Gtk::Widget* content = window->get_child();
    ASSERT_NE(content, nullptr);
    content->get_size_request(width, height);
    EXPECT_EQ(width, 1080);
    EXPECT_EQ(height, 720);

    const std::vector<std::pair<std::string, std::string>> shortcuts{
        {"app.open-agent-workspace", "<Control>n"},
        {"app.open-agent-packs", "<Shift><Control>p"},
        {"app.run-live-browser-demo", "<Shift><Control>d"},
        {"app.back", "<Control>bracketleft"},
        {"app.forward", "<Control>bracketright"},
        {"app.reload", "<Control>r"},
        {"app.open-in-browser", "<Shift><Control>o"}};
    for (const auto& [action, accelerator] : shortcuts) {
      const auto accels = application.get_accels_for_action(action);
      ASSERT_EQ(accels.size(), 1u) << action;
      EXPECT_EQ(accels.front().raw(), accelerator) << action;
    }
    for (const char* action : {"open-connectors", "open-browser", "open-voice"}) {
      EXPECT_TRUE(application.has_action(action)) << action;
    }
    EXPECT_FALSE(application.get_action_enabled("back"));
    EXPECT_FALSE(application.get_action_enabled("forward"));
    screenshot("main-window-home");
  });
}

TEST_F(MainWindowTest, MenuActionsSwitchTheShownScreen) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    auto* title = findNamed<Gtk::Label>(window, "routeScreenTitle");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->get_text(), "Home");

    application.activate_action("open-connectors");
    EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::connectors());
    EXPECT_EQ(model.navigation.currentURLString.get(), "velmora://connectors");
    EXPECT_EQ(title->get_text(), "Connectors");
    EXPECT_TRUE(title->get_mapped());

    application.activate_action("open-agent-workspace");
    settle(1500);
    EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::agent());
    EXPECT_FALSE(title->get_mapped());
    EXPECT_TRUE(model.isShowingDesktopChat());
    EXPECT_EQ(model.navigation.title.get(), "Ondi");
    screenshot("main-window-agent");
  });
}

}  // namespace
