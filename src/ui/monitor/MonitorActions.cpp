#include "ui/monitor/MonitorActions.h"

#include <gtkmm/flowboxchild.h>

#include "core/monitor/DaytonaMonitorStore.h"

namespace ondi::ui {

MonitorActions::MonitorActions(DaytonaMonitorStore& monitor,
                               const Published<WorkspaceSessionState>& session, Commands commands)
    : monitor_(monitor), session_(session) {
  set_name("monitor.actions");
  set_selection_mode(Gtk::SelectionMode::NONE);
  set_homogeneous(false);
  set_column_spacing(6);
  set_row_spacing(6);
  set_max_children_per_line(4);
  add(signIn_, "monitor.sign-in", "Sign in", std::move(commands.signIn));
  add(retryAccess_, "monitor.retry-access", "Retry access", std::move(commands.retryAccess));
  add(runDemo_, "monitor.run-demo", "Run demo", [this] { monitor_.runGuestDemo(); });
  add(start_, "monitor.start", "Start", [this] { monitor_.startDesktop(); });
  add(refresh_, "monitor.refresh", "Refresh", [this] { monitor_.refresh(false); });
  add(pause_, "monitor.pause", "Pause", [this] { monitor_.toggleWatching(); });
  add(control_, "monitor.control", "Control", [this] { monitor_.takeControl(); });
  signIn_.add_css_class("suggested-action");
  showCurrent();
}

Gtk::Button& MonitorActions::add(Gtk::Button& button, const char* name, const char* text,
                                 std::function<void()> action) {
  button.set_name(name);
  button.set_label(text);
  button.signal_clicked().connect(std::move(action));
  append(button);
  // The cell takes the button's name too, so keyboard focus on it says what it holds.
  button.get_parent()->set_focusable(false);
  return button;
}

void MonitorActions::setShown(Gtk::Button& button, bool shown) {
  // The flow box keeps a cell per button; hiding the cell leaves no gap.
  button.get_parent()->set_visible(shown);
}

void MonitorActions::showCurrent() {
  const WorkspaceSessionState& session = session_.get();
  const ConnectionState::Kind state = monitor_.connectionState.get().kind();
  const bool demo = monitor_.isDemoRunning();
  const bool signedIn = session.isAuthenticated();
  const bool refused = state == ConnectionState::Kind::signInRequired;
  const bool busy = monitor_.isBusy.get();
  const bool paused = state == ConnectionState::Kind::paused;

  setShown(signIn_, !demo && (session.kind() == WorkspaceSessionState::Kind::signedOut || refused));
  setShown(retryAccess_,
           !demo && (session.kind() == WorkspaceSessionState::Kind::unavailable || refused));
  setShown(runDemo_, !demo && !monitor_.selectedRun.get());
  runDemo_.set_sensitive(!busy);
  setShown(start_, !demo && signedIn && monitor_.selectedRun.get().has_value());
  start_.set_sensitive(!busy);
  setShown(refresh_, demo || (signedIn && !refused));
  refresh_.set_sensitive(!paused);
  setShown(pause_, monitor_.canPause());
  pause_.set_label(paused ? "Resume" : "Pause");
  setShown(control_, monitor_.canTakeControl());
}

}  // namespace ondi::ui
