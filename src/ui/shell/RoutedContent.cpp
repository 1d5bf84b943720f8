#include "ui/shell/RoutedContent.h"

#include "core/app/DesktopBrowserModel.h"
#include "ui/app/WebViewWidget.h"
#include "ui/billing/BillingScreen.h"
#include "ui/connectors/ConnectorsWorkspaceView.h"
#include "ui/home/HomeScreen.h"
#include "ui/shell/UnavailableScreen.h"
#include "ui/support/SupportScreen.h"

namespace ondi::ui {
namespace {

// The stack page of each screen; pack workspaces show the agent surface the pack configured.
const char* pageName(ShellScreen screen) {
  switch (screen) {
    case ShellScreen::accountGate:
      return "gate";
    case ShellScreen::agentSurface:
    case ShellScreen::packWorkspace:
      return "surface";
    case ShellScreen::browserWorkspace:
      return "browser";
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
    case ShellScreen::voice:
      return "voice";
    case ShellScreen::billing:
      return "billing";
    case ShellScreen::support:
      return "support";
  }
  return "home";
}

struct Placeholder {
  ShellScreen screen;
  const char* title;
  const char* subtitle;
  const char* symbol;
};

// The screens still to be built, each with the title and subtitle the sidebar gives it.
constexpr Placeholder kPlaceholders[] = {
    {ShellScreen::messaging, "Messaging", "iMessage agent", "bubble.left.and.bubble.right"},
    {ShellScreen::agentPacks, "Agent packs", "Focused workspaces", "wand.and.stars"},
    {ShellScreen::skills, "Skills", "Reusable playbooks", "wand.and.stars"},
    {ShellScreen::voice, "Voice", "Calls", "phone"},
};

}  // namespace

RoutedContent::RoutedContent(DesktopBrowserModel& model)
    : model_(model),
      browser_(model.browser(), model.navigator(), model.handoff()),
      gate_(model.authentication(), model.session(), model.accountWebsite()) {
  set_name("shell.content");
  set_hexpand(true);
  set_vexpand(true);
  add(widgetOf(model_.surfaceWebView()), pageName(ShellScreen::agentSurface));
  add(browser_, pageName(ShellScreen::browserWorkspace));
  add(gate_, pageName(ShellScreen::accountGate));
  add(*Gtk::make_managed<ConnectorsWorkspaceView>(model.workspace()),
      pageName(ShellScreen::connectors));
  add(*Gtk::make_managed<HomeScreen>(HomeScreen::Dependencies{
          model.workspace(), model.account, model.clock(), model.agentPrompts(),
          model.conversationThreads(), model.navigator()}),
      pageName(ShellScreen::home));
  add(*Gtk::make_managed<SupportScreen>(model.support()), pageName(ShellScreen::support));
  add(*Gtk::make_managed<BillingScreen>(model_.billing(), model_.workspace()),
      pageName(ShellScreen::billing));
  for (const Placeholder& placeholder : kPlaceholders) {
    const std::string page = pageName(placeholder.screen);
    add(*Gtk::make_managed<UnavailableScreen>("screen." + page, placeholder.title,
                                              placeholder.subtitle, placeholder.symbol),
        page);
  }

  connections_.add(
      model_.navigation.activeRoute.changed().connect([this](const auto&) { showScreen(); }));
  connections_.add(model_.account.workspaceSessionState.changed().connect(
      [this](const auto&) { showScreen(); }));
  showScreen();
}

void RoutedContent::showScreen() {
  shown_ =
      shellScreen(model_.account.workspaceSessionState.get(), model_.navigation.activeRoute.get());
  set_visible_child(pageName(shown_));
}

}  // namespace ondi::ui
