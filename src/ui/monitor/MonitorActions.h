#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/flowbox.h>

#include <functional>

#include "core/account/WorkspaceSessionState.h"
#include "core/published/Published.h"

namespace ondi {
class DaytonaMonitorStore;
}

namespace ondi::ui {

// The run monitor's buttons, each shown only where it can act: "Sign in" and "Retry access"
// while the account cannot see its runs, "Run demo" while no run is shown, "Start" for a
// listed run, "Refresh", "Pause" or "Resume", and "Control" for a run with a remote session.
class MonitorActions : public Gtk::FlowBox {
 public:
  struct Commands {
    std::function<void()> signIn;
    std::function<void()> retryAccess;
  };

  MonitorActions(DaytonaMonitorStore& monitor, const Published<WorkspaceSessionState>& session,
                 Commands commands);

  // Shows and enables the buttons for the monitor's current state.
  void showCurrent();

 private:
  Gtk::Button& add(Gtk::Button& button, const char* name, const char* text,
                   std::function<void()> action);
  static void setShown(Gtk::Button& button, bool shown);

  DaytonaMonitorStore& monitor_;
  const Published<WorkspaceSessionState>& session_;
  Gtk::Button signIn_;
  Gtk::Button retryAccess_;
  Gtk::Button runDemo_;
  Gtk::Button start_;
  Gtk::Button refresh_;
  Gtk::Button pause_;
  Gtk::Button control_;
};

}  // namespace ondi::ui
