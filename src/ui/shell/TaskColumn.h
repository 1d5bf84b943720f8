#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/togglebutton.h>

#include "core/util/ScopedConnections.h"
#include "ui/home/DetailButton.h"
#include "ui/shell/RecentThreads.h"

namespace ondi {
class DesktopBrowserModel;
}

namespace ondi::ui {

// The unified layout's narrow column: a new task, the approvals prompt, the tools switch, the
// recent conversations, settings and the account.
class TaskColumn : public Gtk::Box {
 public:
  explicit TaskColumn(DesktopBrowserModel& model);

  // Shows and hides the tools panel; the layout follows it.
  Gtk::ToggleButton& toolsSwitch() { return tools_; }
  // Emitted after a task starts from the column, so the layout can show its first state.
  sigc::signal<void()>& signalNewTask() { return newTaskStarted_; }

 private:
  void showAccount();

  DesktopBrowserModel& model_;
  Gtk::Button newTask_;
  Gtk::Button approvals_;
  Gtk::ToggleButton tools_;
  RecentThreads recent_;
  Gtk::Button settings_;
  DetailButton account_;
  sigc::signal<void()> newTaskStarted_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
