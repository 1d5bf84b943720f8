#pragma once

#include <gtkmm/box.h>
#include <gtkmm/flowbox.h>
#include <gtkmm/label.h>
#include <gtkmm/scrolledwindow.h>

#include "core/util/ScopedConnections.h"

namespace ondi {
class AgentPromptPreparation;
class Clock;
class ConversationThreadController;
class RouteNavigation;
class WorkspaceStore;
struct AccountState;
}  // namespace ondi

namespace ondi::ui {

// The at-a-glance screen: a greeting, the workspace's figures, the open request to pick up,
// what is left to set up, quick actions and recent activity. Its rows hand prompts to the
// main agent.
class HomeScreen : public Gtk::ScrolledWindow {
 public:
  struct Dependencies {
    WorkspaceStore& store;
    const AccountState& account;
    const Clock& clock;
    AgentPromptPreparation& prompts;
    ConversationThreadController& threads;
    RouteNavigation& navigation;
  };

  explicit HomeScreen(Dependencies dependencies);

 private:
  void showGreeting();
  void showMetrics();
  void showContinueRow();
  void showSetupRows();
  void showActivity();

  Dependencies deps_;
  Gtk::Box page_;
  Gtk::Label greeting_;
  Gtk::Box readiness_;
  Gtk::FlowBox metrics_;
  Gtk::Box continue_;
  Gtk::Box setup_;
  Gtk::Box activity_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
