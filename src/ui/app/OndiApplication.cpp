#include "ui/app/OndiApplication.h"

#include <gdkmm/frameclock.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "core/app/DesktopBrowserModel.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/ports/Logger.h"
#include "core/ports/Scheduler.h"
#include "ui/app/CommandMenu.h"
#include "ui/app/MainWindow.h"
#include "ui/app/WindowRecovery.h"
#include "ui/settings/SettingsWindow.h"
#include "ui/theme/ThemeStyleProvider.h"

namespace ondi::ui {
namespace {
constexpr std::string_view kCategory = "app";
constexpr int kLastPresentationAttempt = 20;
}  // namespace

Glib::RefPtr<OndiApplication> OndiApplication::create(Gio::Application::Flags flags) {
  return Glib::make_refptr_for_instance<OndiApplication>(new OndiApplication(flags));
}

OndiApplication::OndiApplication(Gio::Application::Flags flags)
    : Gtk::Application("com.velmora.desktop", flags) {
  add_main_option_entry(Gio::Application::OptionType::STRING, "route", 'r',
                        "Open a destination after launch: home, agent, messaging, agent-packs, "
                        "connectors, skills, browser, voice, pricing or support",
                        "NAME");
  signal_handle_local_options().connect(
      sigc::mem_fun(*this, &OndiApplication::onHandleLocalOptions), false);
}

int OndiApplication::onHandleLocalOptions(const Glib::RefPtr<Glib::VariantDict>& options) {
  Glib::ustring name;
  if (!options->lookup_value("route", name)) return -1;
  launchRoute_ = VelmoraRoute::fromTelemetryName(name);
  if (!launchRoute_) {
    std::fprintf(stderr,
                 "ondi: \"%s\" is not a destination; use one of home, agent, messaging, "
                 "agent-packs, connectors, skills, browser, voice, pricing or support.\n",
                 name.c_str());
    return 2;
  }
  return -1;
}

OndiApplication::~OndiApplication() = default;

void OndiApplication::attach(DesktopBrowserModel& model, Logger& logger, Scheduler& scheduler) {
  model_ = &model;
  logger_ = &logger;
  scheduler_ = &scheduler;
  commandMenu_ = std::make_unique<CommandMenu>(*this, model);
  themeStyle_ = std::make_unique<ThemeStyleProvider>(model.account);
  add_action("settings", [this] { presentWindow(settingsWindow()); });
  add_action("quit", [this] { quit(); });
  set_accels_for_action("app.settings", {"<Control>comma"});
  set_accels_for_action("app.quit", {"<Control>q"});
}

Gtk::Window& OndiApplication::settingsWindow() {
  if (!settingsWindow_) settingsWindow_ = std::make_unique<SettingsWindow>(*model_);
  return *settingsWindow_;
}

void OndiApplication::on_activate() {
  if (!model_) return;
  if (!launched_) {
    launched_ = true;
    logger_->info(kCategory, "Application finished launching");
    mainWindow_ = std::make_unique<MainWindow>(*model_, commandMenu_->menuModel());
    add_window(*mainWindow_);
    // The page asks for Settings by publishing a fresh request id.
    modelConnections_.add(model_->settingsRequestID.changed().connect(
        [this](const std::string&) { presentWindow(settingsWindow()); }));
    if (launchRoute_) model_->load(*launchRoute_);
  } else {
    const bool visible = mainWindow_ && mainWindow_->get_visible();
    logger_->info(kCategory, std::string("Application reopen requested; visibleWindows=") +
                                 (visible ? "1" : "0"));
    // A closed main window is hidden and out of the application, with its screens intact.
    if (!isApplicationWindow(*mainWindow_)) add_window(*mainWindow_);
  }
  presentMainWindow(0);
}

void OndiApplication::on_shutdown() {
  modelConnections_.clear();
  mainWindow_.reset();
  settingsWindow_.reset();
  commandMenu_.reset();
  themeStyle_.reset();
  model_ = nullptr;
  Gtk::Application::on_shutdown();
}

bool OndiApplication::isApplicationWindow(const Gtk::Window& window) const {
  const std::vector<const Gtk::Window*> windows = get_windows();
  return std::ranges::find(windows, &window) != windows.end();
}

void OndiApplication::presentWindow(Gtk::Window& window) {
  if (!isApplicationWindow(window)) add_window(window);
  window.present();
}

Gtk::Window* OndiApplication::findMainWindow() const {
  return mainWindow_ && isApplicationWindow(*mainWindow_) ? mainWindow_.get() : nullptr;
}

void OndiApplication::presentMainWindow(int attempt) {
  scheduler_->postAfter(std::chrono::milliseconds(100), [this, attempt] {
    Gtk::Window* window = findMainWindow();
    if (!window) {
      if (attempt >= kLastPresentationAttempt) {
        logger_->error(kCategory, "Main window did not become available after bounded retries");
      } else {
        presentMainWindow(attempt + 1);
      }
      return;
    }
    if (WindowRecovery::isMinimized(*window)) {
      logger_->info(kCategory, "Restoring minimized main window");
      window->unminimize();
    }
    if (WindowRecovery::isOffScreen(*window)) {
      logger_->info(kCategory, "Recovering off-screen main window");
      WindowRecovery::centreOnPrimaryMonitor(*window);
    }
    window->present();
    logger_->info(kCategory, "Main window is visible and active");
    logNextFrame(*window);
  });
}

void OndiApplication::logNextFrame(Gtk::Window& window) {
  const auto clock = window.get_frame_clock();
  if (!clock) return;
  // The frame after presenting can take long on its own: an OpenGL renderer compiles the shaders
  // a frame needs the first time it draws them.
  auto painted = std::make_shared<sigc::connection>();
  *painted = clock->signal_paint().connect(
      [this, painted] {
        logger_->log(LogLevel::debug, kCategory, "Main window drew a frame after being presented");
        painted->disconnect();
      },
      true);
}

}  // namespace ondi::ui
