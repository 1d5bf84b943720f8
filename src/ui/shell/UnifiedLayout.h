#pragma once

#include <gtkmm/label.h>
#include <gtkmm/overlay.h>
#include <gtkmm/togglebutton.h>

#include <optional>
#include <string>

#include "core/util/ScopedConnections.h"
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
// over the agent page until a task starts, and the tools panel while it is open.
class UnifiedLayout : public ShellLayout {
 public:
  UnifiedLayout(DesktopBrowserModel& model, Gtk::Widget& content);

 private:
  bool showsBrowser() const;
  void showBrowserSwitch();
  void showEmptyTask();
  // The user is under way in the active thread, so the agent page shows.
  void startTask();

  DesktopBrowserModel& model_;
  TaskColumn tasks_;
  Gtk::Label title_;
  Gtk::ToggleButton browserSwitch_;
  Gtk::Overlay centre_;
  EmptyTaskState emptyTask_;
  ToolsPanel tools_;
  // The thread the user started a request in while it had no messages yet.
  std::optional<std::string> startedThread_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
