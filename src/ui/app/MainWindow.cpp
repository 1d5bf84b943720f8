#include "ui/app/MainWindow.h"

#include "core/app/DesktopBrowserModel.h"
#include "ui/app/AccessibleName.h"
#include "ui/app/WebViewWidget.h"

namespace ondi::ui {
namespace {

std::string screenTitle(const VelmoraRoute& route) {
  const auto address = inAppAddress(route);
  return address && !address->title.empty() ? address->title : route.telemetryName();
}

}  // namespace

MainWindow::MainWindow(DesktopBrowserModel& model, const Glib::RefPtr<Gio::MenuModel>& menu)
    : model_(model),
      accountActionBanner_(model.account),
      browser_(model.browser(), model.navigator(), model.handoff()),
      gate_(model.authentication(), model.session(), model.accountWebsite()),
      authenticationWindow_(model.authentication(), model.accountWebsite(), *this) {
  set_name("mainWindow");
  set_title("Ondi");
  set_default_size(1480, 900);
  // Closing hides the window, so the surface keeps its page and activating the program shows
  // it again. Hidden, the window leaves the application, which ends once no window is left.
  set_hide_on_close(true);

  menuButton_.set_name("commandMenuButton");
  menuButton_.set_icon_name("open-menu-symbolic");
  menuButton_.set_tooltip_text("Ondi");
  setAccessibleName(menuButton_, "Main menu");
  menuButton_.set_menu_model(menu);
  header_.pack_end(menuButton_);
  set_titlebar(header_);

  screenTitle_.set_name("routeScreenTitle");
  screenTitle_.add_css_class("title-1");
  stack_.add(widgetOf(model_.surfaceWebView()), "surface");
  stack_.add(browser_, "browser");
  stack_.add(screenTitle_, "screen");
  stack_.add(gate_, "gate");
  stack_.set_vexpand(true);
  content_.set_size_request(1080, 720);
  content_.append(accountActionBanner_);
  content_.append(stack_);
  set_child(content_);

  connections_.add(
      model_.navigation.activeRoute.changed().connect([this](const auto&) { showRoute(); }));
  connections_.add(
      model_.account.workspaceSessionState.changed().connect([this](const auto&) { showRoute(); }));
  showRoute();
}

void MainWindow::showRoute() {
  using Kind = VelmoraRoute::Kind;
  if (!model_.account.workspaceSessionState.get().isAuthenticated()) {
    stack_.set_visible_child("gate");
    return;
  }
  const VelmoraRoute& route = model_.navigation.activeRoute.get();
  switch (route.kind()) {
    case Kind::agent:
    case Kind::voice:
    case Kind::packWorkspace:
      stack_.set_visible_child("surface");
      return;
    case Kind::browserWorkspace:
      stack_.set_visible_child("browser");
      return;
    case Kind::home:
    case Kind::messaging:
    case Kind::agentPacks:
    case Kind::connectors:
    case Kind::skills:
    case Kind::pricing:
    case Kind::support:
      screenTitle_.set_text(screenTitle(route));
      stack_.set_visible_child("screen");
      return;
  }
}

}  // namespace ondi::ui
