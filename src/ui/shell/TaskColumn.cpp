#include "ui/shell/TaskColumn.h"

#include <gtkmm/label.h>
#include <gtkmm/scrolledwindow.h>

#include "core/account/AccountWebsite.h"
#include "core/account/ConversationThreadController.h"
#include "core/app/DesktopBrowserModel.h"
#include "core/shell/WorkspaceTools.h"
#include "core/workspace/AgentPromptPreparation.h"
#include "ui/app/AccessibleName.h"
#include "ui/app/IconLabel.h"

namespace ondi::ui {
namespace {

constexpr int kColumnWidth = 220;

void styleRow(Gtk::Button& button, const char* name, const char* symbol, const char* label) {
  button.set_name(name);
  button.add_css_class("flat");
  button.add_css_class("ondi-task-row");
  setIconAndLabel(button, symbol, label);
}

}  // namespace

TaskColumn::TaskColumn(DesktopBrowserModel& model)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 4),
      model_(model),
      recent_(model.conversationThreads(), "unified"),
      account_("unified.account", "person.crop.circle", "Your account", "") {
  set_name("unified.task-column");
  add_css_class("ondi-sidebar");
  set_size_request(kColumnWidth, -1);
  // The rows' labels expand; the column keeps its width.
  set_hexpand(false);

  auto* brand = Gtk::make_managed<Gtk::Label>("Ondi");
  brand->add_css_class("ondi-brand");
  brand->set_halign(Gtk::Align::START);
  brand->set_margin_start(12);
  brand->set_margin_top(12);
  brand->set_margin_bottom(8);
  append(*brand);

  styleRow(newTask_, "unified.new-task", "square.and.pencil", "New task");
  newTask_.signal_clicked().connect([this] {
    model_.conversationThreads().startNewChat();
    newTaskStarted_.emit();
  });
  styleRow(approvals_, "unified.approvals", "checkmark.seal", "Approvals");
  approvals_.signal_clicked().connect(
      [this] { model_.agentPrompts().prepareAgentPrompt(kPendingApprovalsPrompt, std::nullopt); });
  styleRow(tools_, "unified.tools", "square.grid.2x2", "Tools");

  auto* column = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 4);
  column->set_margin_start(8);
  column->set_margin_end(8);
  for (Gtk::Widget* row : std::initializer_list<Gtk::Widget*>{&newTask_, &approvals_, &tools_}) {
    column->append(*row);
  }
  recent_.set_margin_top(14);
  column->append(recent_);
  auto* scroller = Gtk::make_managed<Gtk::ScrolledWindow>();
  scroller->set_policy(Gtk::PolicyType::NEVER, Gtk::PolicyType::AUTOMATIC);
  scroller->set_vexpand(true);
  scroller->set_child(*column);
  nameScrollBars(*scroller, "Tasks");
  append(*scroller);

  styleRow(settings_, "unified.settings", "gearshape", "Settings");
  settings_.signal_clicked().connect([this] { activate_action("app.settings"); });
  account_.signal_clicked().connect([this] { model_.accountWebsite().open(); });
  auto* footer = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 4);
  footer->set_margin(8);
  footer->append(settings_);
  footer->append(account_);
  append(*footer);

  connections_.add(model_.account.workspaceSessionState.changed().connect(
      [this](const auto&) { showAccount(); }));
  showAccount();
}

void TaskColumn::showAccount() {
  const WorkspaceSessionState& session = model_.account.workspaceSessionState.get();
  // A session check in progress keeps the account shown until it answers.
  if (session.kind() == WorkspaceSessionState::Kind::checking) return;
  const WorkspaceIdentity& identity = session.identity();
  if (!session.isAuthenticated()) {
    account_.setDetail("Not signed in");
  } else {
    account_.setDetail(identity.email.empty() ? identity.name : identity.email);
  }
}

}  // namespace ondi::ui
