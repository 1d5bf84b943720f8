#pragma once

#include <gtkmm/application.h>
#include <gtkmm/window.h>

#include <functional>
#include <memory>
#include <optional>

#include "core/navigation/VelmoraRoute.h"
#include "core/util/ScopedConnections.h"

namespace ondi {
class DesktopBrowserModel;
class Logger;
class Scheduler;
}  // namespace ondi

namespace ondi::ui {

class CommandMenu;
class MainWindow;
class ThemeStyleProvider;

// The application object: its one main window, the settings window and the command menu.
// The model is built by the composition root once GTK has started, and attached here.
class OndiApplication : public Gtk::Application {
 public:
  static Glib::RefPtr<OndiApplication> create(Gio::Application::Flags flags);
  ~OndiApplication() override;

  void attach(DesktopBrowserModel& model, Logger& logger, Scheduler& scheduler);
  MainWindow* mainWindow() const { return mainWindow_.get(); }
  // Built on first use; shown through presentWindow, or the action "app.settings".
  Gtk::Window& settingsWindow();
  // Shows one of the application's windows; a window that closing took out of the
  // application (closing hides it) joins it again first.
  void presentWindow(Gtk::Window& window);

  // Makes sure the main window appears: bounded retries 0.1 s apart, then de-minimise,
  // recover from off-screen where the display server allows it, and present.
  void presentMainWindow(int attempt);
  // Logs, for start-up timings, when the window next finishes drawing.
  void logNextFrame(Gtk::Window& window);

 protected:
  explicit OndiApplication(Gio::Application::Flags flags);
  void on_activate() override;
  // Closes the windows and forgets the model before the composition root ends it.
  void on_shutdown() override;
  int onHandleLocalOptions(const Glib::RefPtr<Glib::VariantDict>& options);

 private:
  bool isApplicationWindow(const Gtk::Window& window) const;
  Gtk::Window* findMainWindow() const;

  DesktopBrowserModel* model_ = nullptr;
  Logger* logger_ = nullptr;
  Scheduler* scheduler_ = nullptr;
  std::unique_ptr<CommandMenu> commandMenu_;
  std::unique_ptr<ThemeStyleProvider> themeStyle_;
  std::unique_ptr<MainWindow> mainWindow_;
  std::unique_ptr<Gtk::Window> settingsWindow_;
  bool launched_ = false;
  ScopedConnections modelConnections_;
  // The destination named with --route, opened once the main window exists.
  std::optional<VelmoraRoute> launchRoute_;
};

}  // namespace ondi::ui
