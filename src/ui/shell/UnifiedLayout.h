#pragma once

#include <gtkmm/label.h>
#include <gtkmm/overlay.h>
#include <gtkmm/togglebutton.h>

#include <optional>
#include <string>

#include "core/util/ScopedConnections.h"
#include "ui/monitor/MonitorPane.h"
#include "ui/packs/ModelProviderPicker.h"
#include "ui/shell/EmptyTaskState.h"
#include "ui/shell/ShellLayout.h"
#include "ui/shell/TaskColumn.h"
#include "ui/shell/ToolsPanel.h"

namespace ondi {
class DesktopBrowserModel;
}

namespace ondi::ui {

// The unified theme's task-first layout: the task column, the content under a header with the
// browser pane's switch (the content puts the browser beside the agent page), an empty state
// over the agent page until a task starts. On the right, the tools panel, the browser pane and
// the run monitor take turns: the monitor opens when the agent hands a workflow over or the
// live browser demo starts.
class UnifiedLayout : public ShellLayout {
 public:
  UnifiedLayout(DesktopBrowserModel& model, Gtk::Widget& content);

 private:
  bool showsBrowser() const;
  void showBrowserSwitch();
  void showEmptyTask();
  // The user is under way in the active thread, so the agent page shows.
  void startTask();
  // Shows the run monitor on the right, in place of the tools panel or the browser pane.
  void openMonitor();

  DesktopBrowserModel& model_;
  TaskColumn tasks_;
  Gtk::Label title_;
  ModelProviderPicker modelPicker_;
  Gtk::ToggleButton browserSwitch_;
  Gtk::Overlay centre_;
  EmptyTaskState emptyTask_;
  ToolsPanel tools_;
  MonitorPane monitor_;
  // The thread the user started a request in while it had no messages yet.
  std::optional<std::string> startedThread_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
