#include "ui/shell/RoutedContent.h"

#include <map>

#include <gtkmm/scrolledwindow.h>
#include "core/account/AccountWebsite.h"
#include "core/account/AuthenticationController.h"
#include "core/account/ConversationThreadController.h"
#include "core/account/WorkspaceSessionController.h"
#include "core/app/DesktopBrowserModel.h"
#include "core/app/Navigator.h"
#include "core/billing/BillingController.h"
#include "core/messaging/IMessageBridgeModel.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/packs/PackBrowserSelection.h"
#include "core/packs/PackWorkspaceController.h"
#include "core/payments/AgentPaymentStore.h"
#include "core/ports/Clock.h"
#include "core/ports/WebView.h"
#include "core/shell/ShellController.h"
#include "core/support/SupportDesk.h"
#include "core/voice/HuddleController.h"
#include "core/workspace/AgentPromptPreparation.h"
#include "core/workspace/WorkspaceStore.h"

#include "ui/app/AccessibleName.h"
#include "ui/app/WebViewWidget.h"
#include "ui/billing/BillingScreen.h"
#include "ui/connectors/ConnectorsWorkspaceView.h"
#include "ui/home/HomeScreen.h"
#include "ui/messaging/MessagingWorkspaceView.h"
#include "ui/packs/PackBrowserScreen.h"
#include "ui/skills/SkillsScreen.h"
#include "ui/support/SupportScreen.h"

namespace ondi::ui {
namespace {

// The stack page of each screen; pack workspaces show the agent surface the pack configured,
// and the browser, when beside the task, sits next to the agent page.
const char* pageName(ShellScreen screen) {
  switch (screen) {
    case ShellScreen::accountGate:
      return "gate";
    case ShellScreen::agentSurface:
    case ShellScreen::packWorkspace:
    case ShellScreen::browserWorkspace:
    case ShellScreen::voice:
      return "surface";
    case ShellScreen::home:
      return "home";
    case ShellScreen::messaging:
      return "messaging";
    case ShellScreen::agentPacks:
      return "agent-packs";
    case ShellScreen::connectors:
      return "connectors";
    case ShellScreen::skills:
      return "skills";
    case ShellScreen::billing:
      return "billing";
    case ShellScreen::support:
      return "support";
  }
  return "home";
}

constexpr int kTaskBesideBrowserWidth = 320;

// What screen readers call each page: the screen it shows.
Glib::ustring pageTitle(const std::string& page) {
  static const std::map<std::string, Glib::ustring> titles{
      {"gate", "Ondi account"},   {"surface", "Agent"},           {"home", "Home"},
      {"messaging", "Messaging"}, {"agent-packs", "Agent packs"}, {"connectors", "Connectors"},
      {"skills", "Skills"},       {"billing", "Billing"},         {"support", "Support"},
  };
  const auto title = titles.find(page);
  return title == titles.end() ? Glib::ustring(page) : title->second;
}

}  // namespace

RoutedContent::RoutedContent(DesktopBrowserModel& model)
    : Gtk::Paned(Gtk::Orientation::HORIZONTAL),
      model_(model),
      browser_(model),
      gate_(model.authentication(), model.session(), model.accountWebsite()),
      packWorkspace_(model.packWorkspace(), model.navigation, widgetOf(model.surfaceWebView())),
      huddle_(model.huddle()) {
  set_name("shell.content");
  setAccessibleName(*this, "Screen and browser");
  set_hexpand(true);
  set_vexpand(true);
  set_shrink_start_child(false);
  set_shrink_end_child(false);
  screens_.set_name("shell.screens");
  screens_.set_hexpand(true);
  // Only the screen shown counts towards the window's width, so the agent page beside the
  // browser can be narrower than the widest screen.
  screens_.set_hhomogeneous(false);
  set_start_child(screens_);
  set_end_child(browser_);
  auto add = [this](Gtk::Widget& screen, const std::string& page) {
    screens_.add(screen, page, pageTitle(page));
  };
  setAccessibleName(widgetOf(model_.surfaceWebView()), "Ondi agent");
  // The agent page, with the huddle covering it on the voice route.
  setAccessibleName(surfacePage_, "Agent page");
  surfacePage_.set_child(packWorkspace_);
  surfacePage_.add_overlay(huddle_);
  surfacePage_.set_measure_overlay(huddle_, true);
  add(surfacePage_, pageName(ShellScreen::agentSurface));
  add(gate_, pageName(ShellScreen::accountGate));
  add(*Gtk::make_managed<ConnectorsWorkspaceView>(model.workspace()),
      pageName(ShellScreen::connectors));
  add(*Gtk::make_managed<HomeScreen>(HomeScreen::Dependencies{
          model.workspace(), model.account, model.clock(), model.agentPrompts(),
          model.conversationThreads(), model.navigator()}),
      pageName(ShellScreen::home));
  add(*Gtk::make_managed<SupportScreen>(model.support()), pageName(ShellScreen::support));
  add(*Gtk::make_managed<BillingScreen>(
          model_.billing(), model_.workspace(),
          AgentPaymentView::Inputs{model_.agentPayments(), model_.workspace().agents,
                                   model_.account.workspaceSessionState,
                                   [this](const std::string& url) { model_.openSecureURL(url); }}),
      pageName(ShellScreen::billing));
  add(*Gtk::make_managed<SkillsScreen>(model_.agentPrompts()), pageName(ShellScreen::skills));
  add(*Gtk::make_managed<PackBrowserScreen>(model_.packBrowser(), model_.packWorkspace(),
                                            model_.navigator()),
      pageName(ShellScreen::agentPacks));
  // "Manage pack" comes back to the browser with the workspace's pack highlighted.
  packWorkspace_.managePackRequested.connect([this](const AgentUseCasePack& pack) {
    model_.packBrowser().managePack(pack);
    model_.load(VelmoraRoute::agentPacks());
  });
  auto* messaging = Gtk::make_managed<MessagingWorkspaceView>(
      model_.messaging(), MessagingWorkspaceView::Actions{
                              [this] { model_.shell().isMessagingPresented.set(true); },
                              [this] { model_.presentAuthentication(DesktopAuthIntent::signIn); },
                              [this](const std::string& url) { model_.openSecureURL(url); }});
  auto* messagingScroller = Gtk::make_managed<Gtk::ScrolledWindow>();
  messagingScroller->set_policy(Gtk::PolicyType::NEVER, Gtk::PolicyType::AUTOMATIC);
  messagingScroller->set_child(*messaging);
  nameScrollBars(*messagingScroller, "Messaging");
  add(*messagingScroller, pageName(ShellScreen::messaging));

  connections_.add(
      model_.navigation.activeRoute.changed().connect([this](const auto&) { showScreen(); }));
  connections_.add(model_.account.workspaceSessionState.changed().connect(
      [this](const auto&) { showScreen(); }));
  showScreen();
}

void RoutedContent::setBrowserBesideTask(bool beside) {
  browserBesideTask_ = beside;
  browser_.setBesideTask(beside);
  showScreen();
}

void RoutedContent::showScreen() {
  shown_ =
      shellScreen(model_.account.workspaceSessionState.get(), model_.navigation.activeRoute.get());
  const bool browsing = shown_ == ShellScreen::browserWorkspace;
  const bool beside = browsing && browserBesideTask_;
  // The pane opens on half the width; the agent page keeps room to be read beside it.
  if (beside && !browser_.get_visible()) set_position(get_width() / 2);
  screens_.set_size_request(beside ? kTaskBesideBrowserWidth : -1, -1);
  screens_.set_visible(!browsing || browserBesideTask_);
  browser_.set_visible(browsing);
  screens_.set_visible_child(pageName(shown_));
  const bool voice = shown_ == ShellScreen::voice;
  huddle_.set_visible(voice);
  model_.huddle().setVisible(voice);
}

}  // namespace ondi::ui
