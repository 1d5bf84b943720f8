#include "core/app/Navigator.h"

#include "core/browser/BrowserAddress.h"
#include "core/browser/BrowserWorkspaceController.h"
#include "core/packs/AgentPack.h"
#include "core/packs/PackWorkspaceController.h"
#include "core/ports/Logger.h"
#include "core/ports/Scheduler.h"
#include "core/surface/WorkspaceHosts.h"
#include "core/util/Url.h"

namespace ondi {

void Navigator::load(const VelmoraRoute& route) {
  using Kind = VelmoraRoute::Kind;
  deps_.logger.info("browser", "Opening surface " + route.telemetryName());
  state_.activeRoute.set(route);
  if (route.kind() == Kind::home || route.kind() == Kind::agent ||
      route.kind() == Kind::messaging || route.kind() == Kind::voice) {
    deps_.refreshSession();
  }
  switch (route.kind()) {
    case Kind::packWorkspace:
      if (!deps_.packWorkspace.openPackWorkspace(route.packID())) {
        load(VelmoraRoute::agentPacks());
      }
      return;
    case Kind::home:
      deps_.surface.setShowingDesktopChat(false);
      state_.canGoBack.set(false);
      state_.canGoForward.set(false);
      state_.isLoading.set(false);
      state_.currentURLString.set("velmora://home");
      state_.title.set("Home");
      return;
    case Kind::agent:
      loadDesktopChat();
      return;
    case Kind::voice:
      deps_.loadRealtimeVoiceAgent();
      return;
    case Kind::messaging:
    case Kind::agentPacks:
    case Kind::connectors:
    case Kind::skills:
    case Kind::pricing:
    case Kind::support: {
      const auto address = inAppAddress(route);
      state_.currentURLString.set(address->urlString);
      state_.title.set(address->title);
      return;
    }
    case Kind::browserWorkspace:
      deps_.browser.show();
      return;
  }
}

void Navigator::loadURL(const std::string& url) {
  state_.activeRoute.set(VelmoraRoute::route(url).value_or(VelmoraRoute::agent()));
  deps_.surface.setShowingDesktopChat(false);
  const auto parsed = Url::parse(url);
  state_.currentURLString.set(parsed ? parsed->string() : url);
  deps_.surface.load(url);
}

void Navigator::loadDesktopChat() {
  deps_.packWorkspace.clearPendingPackWorkspacePrompt();
  deps_.surface.setShowingDesktopChat(true);
  state_.currentURLString.set(deps_.origin.agentPageURL());
  deps_.surface.loadDesktopChat();
}

void Navigator::showTask() {
  if (!deps_.surface.isShowingDesktopChat()) {
    load(VelmoraRoute::agent());
    return;
  }
  deps_.logger.info("browser", "Opening surface " + VelmoraRoute::agent().telemetryName());
  state_.activeRoute.set(VelmoraRoute::agent());
  refresh({true, std::nullopt});
}

void Navigator::openBrowserBesideTask() {
  showTask();
  load(VelmoraRoute::browserWorkspace());
}

void Navigator::reload() {
  if (deps_.packWorkspace.reopenActivePack()) return;
  if (state_.activeRoute.get().kind() == VelmoraRoute::Kind::agent &&
      deps_.surface.isShowingDesktopChat()) {
    loadDesktopChat();
  } else if (showsBrowserWorkspace()) {
    deps_.browser.selectedWebView().reload();
  } else {
    deps_.surface.reload();
  }
}

WebView& Navigator::activeWebView() {
  return showsBrowserWorkspace() ? deps_.browser.selectedWebView() : deps_.surface.webView();
}

void Navigator::openInAppBrowserTab(const std::string& url) {
  deps_.browser.openInAppBrowserTab(url, std::nullopt);
}

std::optional<std::string> Navigator::currentPageURL() const {
  const VelmoraRoute& route = state_.activeRoute.get();
  std::string url;
  if (showsBrowserWorkspace()) {
    url = deps_.browser.tabs.selectedSession().shownURL();
  } else if (deps_.surface.isShowingDesktopChat()) {
    url = deps_.origin.agentPageURL();
  } else {
    url = deps_.surface.webView().url();
    if (url.empty()) url = route.url(deps_.origin);
  }
  if (url.empty()) return std::nullopt;
  return url;
}

void Navigator::updateState(const WebView* view) {
  // The refresh runs on a later turn, when a tab's view may be gone: it names the view by its
  // tab's id and finds it again then.
  ViewReference reference{view != nullptr, std::nullopt};
  if (view && view != &deps_.surface.webView()) {
    const BrowserTabSession* session = deps_.browser.tabs.sessionFor(*view);
    if (!session) return;
    reference.tabID = session->id;
  }
  deps_.scheduler.post(whileAlive(lifetime_, [this, reference] { refresh(reference); }));
}

void Navigator::refresh(const ViewReference& reference) {
  const WebView* view = reference.any ? &deps_.surface.webView() : nullptr;
  if (reference.tabID) {
    view = deps_.browser.refreshTab(*reference.tabID);
    if (!view) return;
  }
  const VelmoraRoute& route = state_.activeRoute.get();
  WebView& active = activeWebView();
  if (view && view != &active) return;
  state_.canGoBack.set(active.canGoBack());
  state_.canGoForward.set(active.canGoForward());
  state_.isLoading.set(active.isLoading());
  // A native screen keeps its own address and title while a page finishes behind it.
  if (route.kind() != VelmoraRoute::Kind::packWorkspace && inAppAddress(route)) return;
  if (showsBrowserWorkspace()) {
    const BrowserTabSession& session = deps_.browser.tabs.selectedSession();
    state_.currentURLString.set(session.shownURL());
    const std::string pageTitle = active.title();
    state_.title.set(pageTitle.empty() ? session.fallbackTitle : pageTitle);
  } else if (const AgentUseCasePack* pack = deps_.packWorkspace.activePack();
             pack && deps_.surface.isShowingDesktopChat()) {
    state_.currentURLString.set("velmora://workspace/" + pack->id);
    state_.title.set(pack->title + " Workspace");
  } else if (deps_.surface.isShowingDesktopChat()) {
    state_.currentURLString.set(deps_.origin.agentPageURL());
    state_.title.set("Ondi");
  } else {
    state_.currentURLString.set(active.url());
    const std::string pageTitle = active.title();
    state_.title.set(pageTitle.empty() ? "Ondi" : pageTitle);
  }
}

void Navigator::webViewDidFinishLoading(const WebView& view) {
  // A page of the service may have changed the sign-in.
  if (const auto url = Url::parse(view.url()); url && deps_.hosts.isWorkspaceHost(url->host())) {
    deps_.refreshSession();
  }
  if (&view == &deps_.surface.webView()) deps_.setUpLoadedSurfacePage();
}

}  // namespace ondi
