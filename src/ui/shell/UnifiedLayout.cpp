#include "ui/shell/UnifiedLayout.h"

#include <glibmm/main.h>

#include "core/app/DesktopBrowserModel.h"
#include "core/app/Navigator.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/ports/WebView.h"
#include "core/shell/SymbolIcons.h"
#include "core/workspace/AgentPromptPreparation.h"
#include "ui/app/AccessibleName.h"
#include "ui/app/WebViewWidget.h"

namespace ondi::ui {

UnifiedLayout::UnifiedLayout(DesktopBrowserModel& model, Gtk::Widget& content)
    : ShellLayout(content, Gtk::Orientation::HORIZONTAL),
      model_(model),
      tasks_(model),
      modelPicker_(model.account.selectedModelProvider),
      tools_(model),
      monitor_(model) {
  set_name("shell.unified");

  auto* header = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 10);
  header->set_name("unified.header");
  header->add_css_class("ondi-shell-header");
  title_.set_name("unified.header.title");
  title_.add_css_class("heading");
  title_.set_xalign(0);
  title_.set_hexpand(true);
  title_.set_ellipsize(Pango::EllipsizeMode::END);
  header->append(title_);
  header->append(modelPicker_);
  browserSwitch_.set_name("unified.open-browser");
  browserSwitch_.set_icon_name(iconName("rectangle.split.2x1"));
  browserSwitch_.add_css_class("flat");
  browserSwitch_.signal_toggled().connect([this] {
    if (browserSwitch_.get_active() == showsBrowser()) return;
    if (browserSwitch_.get_active()) {
      model_.navigator().openBrowserBesideTask();
    } else {
      model_.navigator().showTask();
    }
  });
  header->append(browserSwitch_);

  centre_.set_child(contentSlot());
  centre_.add_overlay(emptyTask_);
  setAccessibleName(centre_, "Task");
  emptyTask_.startButton().signal_clicked().connect([this] {
    startTask();
    widgetOf(model_.surfaceWebView()).grab_focus();
  });
  auto* main = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL);
  main->set_hexpand(true);
  main->append(*header);
  main->append(centre_);

  tools_.set_visible(false);
  // The tools panel and the browser pane take turns on the right, so the window keeps to
  // its smallest size with either.
  tasks_.toolsSwitch().signal_toggled().connect([this] {
    const bool open = tasks_.toolsSwitch().get_active();
    tools_.set_visible(open);
    if (open) monitor_.set_visible(false);
    if (open && showsBrowser()) model_.navigator().showTask();
  });
  monitor_.set_visible(false);
  monitor_.closeButton().signal_clicked().connect([this] { monitor_.set_visible(false); });
  tools_.closeButton().signal_clicked().connect([this] { tasks_.toolsSwitch().set_active(false); });
  tasks_.signalNewTask().connect([this] {
    startedThread_.reset();
    showEmptyTask();
  });

  append(tasks_);
  append(*main);
  append(tools_);
  append(monitor_);

  const auto routeChanged = [this](const auto&) {
    if (showsBrowser()) {
      tasks_.toolsSwitch().set_active(false);
      monitor_.set_visible(false);
    }
    showBrowserSwitch();
    showEmptyTask();
  };
  connections_.add(model_.navigation.activeRoute.changed().connect(routeChanged));
  connections_.add(model_.account.workspaceSessionState.changed().connect(
      [this](const auto&) { showEmptyTask(); }));
  connections_.add(model_.account.conversationThreads.changed().connect(
      [this](const auto&) { showEmptyTask(); }));
  connections_.add(model_.account.activeConversationThreadID.changed().connect(
      [this](const auto&) { showEmptyTask(); }));
  // A prompt put in front of the agent is a task under way.
  connections_.add(
      model_.agentPrompts().pendingAgentPrompt.changed().connect([this](const auto& pending) {
        if (pending) startTask();
      }));
  connections_.add(model_.runLiveBrowserDemoRequested.connect([this] { openMonitor(); }));
  // The hand-off opens the workflow's tab first, which shows the browser pane; the monitor
  // takes the pane's place once that is done.
  connections_.add(
      model_.requestedMonitoredWorkflowID.changed().connect([this](const auto& workflowID) {
        if (workflowID) {
          Glib::signal_idle().connect_once(sigc::mem_fun(*this, &UnifiedLayout::openMonitor));
        }
      }));
  connections_.add(model_.navigation.title.changed().connect(
      [this](const std::string& title) { title_.set_text(title); }));
  title_.set_text(model_.navigation.title.get());
  showBrowserSwitch();
  showEmptyTask();
}

bool UnifiedLayout::showsBrowser() const {
  return model_.navigation.activeRoute.get().kind() == VelmoraRoute::Kind::browserWorkspace;
}

void UnifiedLayout::showBrowserSwitch() {
  const bool open = showsBrowser();
  browserSwitch_.set_active(open);
  if (open) {
    browserSwitch_.set_tooltip_text(
        "Collapse the browser pane. This does not stop browser activity.");
    setAccessibleName(browserSwitch_, "Collapse the browser pane");
  } else {
    browserSwitch_.set_tooltip_text("Open the browser beside the task.");
    setAccessibleName(browserSwitch_, "Open the browser pane");
  }
}

void UnifiedLayout::showEmptyTask() {
  const std::string& thread = model_.account.activeConversationThreadID.get();
  const bool onAgent = model_.navigation.activeRoute.get().kind() == VelmoraRoute::Kind::agent;
  emptyTask_.set_visible(onAgent && model_.account.workspaceSessionState.get().isAuthenticated() &&
                         startedThread_ != thread &&
                         !isConversationUnderWay(model_.account.conversationThreads.get(), thread));
}

void UnifiedLayout::startTask() {
  startedThread_ = model_.account.activeConversationThreadID.get();
  showEmptyTask();
}

void UnifiedLayout::openMonitor() {
  tasks_.toolsSwitch().set_active(false);
  if (showsBrowser()) model_.navigator().showTask();
  monitor_.set_visible(true);
}

}  // namespace ondi::ui
