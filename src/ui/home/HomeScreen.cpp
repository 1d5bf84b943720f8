#include "ui/home/HomeScreen.h"

#include "core/account/AccountState.h"
#include "core/account/ConversationThreadController.h"
#include "core/home/HomeGreeting.h"
#include "core/home/HomeOverview.h"
#include "core/navigation/RouteNavigation.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/workspace/AgentPromptPreparation.h"
#include "core/workspace/WorkspaceStore.h"
#include "ui/app/AccessibleName.h"
#include "ui/home/DetailButton.h"
#include "ui/home/HomeSections.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {
namespace {

constexpr const char* kMetricNames[] = {"home.metric.approvals", "home.metric.requests",
                                        "home.metric.agents", "home.metric.tools"};
constexpr const char* kQuickActionNames[] = {
    "home.action.new-request", "home.action.review-approvals", "home.action.open-browser"};

Gtk::Box& panelList() {
  auto* list = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 4);
  applyPanelStyle(*list, 12, false);
  return *list;
}

}  // namespace

HomeScreen::HomeScreen(Dependencies dependencies)
    : deps_(dependencies),
      page_(Gtk::Orientation::VERTICAL, 24),
      readiness_(Gtk::Orientation::VERTICAL),
      continue_(Gtk::Orientation::VERTICAL),
      setup_(Gtk::Orientation::VERTICAL),
      activity_(Gtk::Orientation::VERTICAL) {
  set_name("screen.home");
  set_hexpand(true);
  set_vexpand(true);
  set_policy(Gtk::PolicyType::NEVER, Gtk::PolicyType::AUTOMATIC);
  page_.set_margin(28);

  auto* header = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 4);
  greeting_.set_name("home.greeting");
  greeting_.set_xalign(0);
  greeting_.set_wrap(true);
  greeting_.add_css_class("title-4");
  greeting_.add_css_class("dim-label");
  auto* headline = Gtk::make_managed<Gtk::Label>(kHomeHeadline);
  headline->set_name("home.headline");
  headline->set_xalign(0);
  headline->set_wrap(true);
  headline->add_css_class("title-1");
  header->append(greeting_);
  header->append(*headline);
  page_.append(*header);

  readiness_.append(readinessLine());
  page_.append(readiness_);

  metrics_.set_name("home.metrics");
  setAccessibleName(metrics_, "Workspace at a glance");
  metrics_.set_selection_mode(Gtk::SelectionMode::NONE);
  metrics_.set_homogeneous(true);
  metrics_.set_min_children_per_line(4);
  metrics_.set_max_children_per_line(4);
  metrics_.set_column_spacing(12);
  metrics_.set_row_spacing(12);
  page_.append(metrics_);

  page_.append(homeSection("home.continue-section", "Continue where you left off", continue_));
  auto& setupList = panelList();
  setupList.append(setup_);
  page_.append(homeSection("home.setup-section", "Set up your workspace", setupList));

  auto& actions = panelList();
  for (std::size_t index = 0; index < homeQuickActions().size(); ++index) {
    const HomeQuickAction& action = homeQuickActions()[index];
    auto* button = Gtk::make_managed<DetailButton>(kQuickActionNames[index], action.symbol,
                                                   action.title, action.detail);
    button->signal_clicked().connect([this, kind = action.action] {
      switch (kind) {
        case HomeQuickActionKind::newRequest:
          deps_.threads.startNewChat();
          return;
        case HomeQuickActionKind::reviewApprovals:
          deps_.prompts.prepareAgentPrompt(kReviewApprovalsPrompt, std::nullopt);
          return;
        case HomeQuickActionKind::openBrowser:
          deps_.navigation.load(VelmoraRoute::browserWorkspace());
          return;
      }
    });
    actions.append(*button);
  }
  page_.append(homeSection("home.actions-section", "Quick actions", actions));

  auto& activityList = panelList();
  activityList.append(activity_);
  page_.append(homeSection("home.activity-section", "Recent activity", activityList));
  set_child(page_);
  nameScrollBars(*this, "Home");

  const auto connect = [this](const auto& field, void (HomeScreen::*show)()) {
    connections_.add(field.changed().connect([this, show](const auto&) { (this->*show)(); }));
  };
  connect(deps_.account.workspaceSessionState, &HomeScreen::showGreeting);
  connect(deps_.store.approvals, &HomeScreen::showMetrics);
  connect(deps_.store.requests, &HomeScreen::showMetrics);
  connect(deps_.store.agents, &HomeScreen::showMetrics);
  connect(deps_.store.connectors, &HomeScreen::showMetrics);
  connect(deps_.store.requests, &HomeScreen::showContinueRow);
  connect(deps_.store.connectors, &HomeScreen::showSetupRows);
  connect(deps_.store.agents, &HomeScreen::showSetupRows);
  connect(deps_.account.desktopPreferences, &HomeScreen::showSetupRows);
  connect(deps_.store.activity, &HomeScreen::showActivity);
  // The hour moves on while the screen is away; greet for the current one when it returns.
  signal_map().connect([this] { showGreeting(); });

  showGreeting();
  showMetrics();
  showContinueRow();
  showSetupRows();
  showActivity();
}

void HomeScreen::showGreeting() {
  const auto& session = deps_.account.workspaceSessionState.get();
  greeting_.set_text(homeGreeting(deps_.clock, session.identity().name));
  readiness_.set_visible(session.isAuthenticated());
}

void HomeScreen::showMetrics() {
  while (Gtk::Widget* child = metrics_.get_first_child()) metrics_.remove(*child);
  const auto metrics = homeMetrics(deps_.store);
  for (std::size_t index = 0; index < metrics.size(); ++index) {
    appendNamed(metrics_, metricTile(kMetricNames[index], metrics[index]),
                metrics[index].title + ": " + metrics[index].value);
  }
}

void HomeScreen::showContinueRow() {
  removeChildren(continue_);
  const auto request = continueRequest(deps_.store.requests.get());
  if (!request) {
    auto* none = Gtk::make_managed<Gtk::Label>("No open requests.");
    none->set_xalign(0);
    none->add_css_class("dim-label");
    continue_.append(*none);
    return;
  }
  auto* button = Gtk::make_managed<Gtk::Button>();
  button->set_name("home.continue");
  applyPanelStyle(*button, 12, true);
  button->set_child(requestSummary(*request));
  button->set_tooltip_text("Ask " + request->agent + " to continue this request");
  setAccessibleName(*button, "Continue " + request->title);
  button->signal_clicked().connect(
      [this, prompt = continuePrompt(*request), agent = request->agent] {
        deps_.prompts.prepareAgentPrompt(prompt, agent);
      });
  continue_.append(*button);
}

void HomeScreen::showSetupRows() {
  removeChildren(setup_);
  for (const HomeSetupRow& row :
       homeSetupRows(deps_.store, deps_.account.desktopPreferences.get())) {
    auto* line = Gtk::make_managed<DetailButton>(row.identifier, row.symbol, row.title, row.detail);
    line->setTrailing(row.isComplete ? "Done" : "To do");
    line->signal_clicked().connect([this, destination = row.destination] {
      switch (destination) {
        case HomeSetupDestination::connectors:
          deps_.navigation.load(VelmoraRoute::connectors());
          return;
        case HomeSetupDestination::agentPacks:
          deps_.navigation.load(VelmoraRoute::agentPacks());
          return;
        case HomeSetupDestination::settings:
          activate_action("app.settings");
          return;
      }
    });
    setup_.append(*line);
  }
}

void HomeScreen::showActivity() {
  removeChildren(activity_);
  const auto& items = deps_.store.activity.get();
  for (std::size_t index = 0; index < items.size(); ++index) {
    auto& row = activityRow("home.activity." + std::to_string(index + 1), items[index]);
    row.set_margin(6);
    activity_.append(row);
  }
}

}  // namespace ondi::ui
