#include "core/app/DesktopBrowserModel.h"

#include "core/browser/WebDestinations.h"
#include "core/ports/Logger.h"
#include "core/ports/Scheduler.h"
#include "core/ports/SystemServices.h"
#include "core/surface/PageScripts.h"
#include "core/util/Text.h"
#include "core/util/Url.h"
#include "core/util/Uuid.h"

namespace ondi {
namespace {

constexpr std::string_view kCategory = "browser";
constexpr std::chrono::seconds kBrowserTabLoadTimeout{30};

}  // namespace

DesktopBrowserModel::DesktopBrowserModel(ServiceOrigin origin, PlatformServices services,
                                         std::string desktopChatHTML)
    : settingsRequestID(newUUID()),
      origin_(std::move(origin)),
      services_(services),
      hosts_(origin_.registrableDomain),
      microphone_(hosts_, services_.microphone),
      surface_(services_.webViews.makeWebView(surfaceConfiguration()), navigation, origin_, hosts_,
               services_.logger, services_.system, microphone_, *this, std::move(desktopChatHTML)),
      tabNavigation_(services_.system, microphone_, *this),
      api_(origin_, services_.environment, services_.transport, services_.cookies,
           services_.scheduler, [this] { return surface_.webView().url(); }),
      preferences_(account, services_.settings, api_, *this),
      session_(account, api_, preferences_),
      auth_({account, api_, session_, preferences_, services_.random, services_.webAuthenticator,
             *this}),
      instructions_(account, api_),
      threads_(account, navigation, *this, services_.scheduler, services_.logger,
               [this] { return surface_.isShowingDesktopChat(); }),
      openAIKeychain_(services_.secrets, services_.settings),
      openAI_({account, settingsRequestID, services_.settings, services_.environment,
               services_.transport, services_.scheduler, openAIKeychain_,
               [this](const std::string& script) { runSurfaceScript(script); }}),
      bridge_(hosts_, services_.logger, *this) {
  account.desktopPreferences.set(DesktopAccountPreferences::localDefaults(services_.settings));
  account.selectedModelProvider.set(storedModelProvider(services_.settings));
  tabs.append(makeBrowserSession(WebDestinations::gmailInbox, "Gmail", std::nullopt));
  tabs.refreshSnapshots();
  services_.logger.info(kCategory, "Desktop browser model initialized");
  load(VelmoraRoute::home());
}

DesktopBrowserModel::~DesktopBrowserModel() {
  surface_.webView().removeScriptMessageHandlers();
  for (const auto& session : tabs.sessions()) session.webView->setDelegate(nullptr);
}

WebViewConfiguration DesktopBrowserModel::surfaceConfiguration() const {
  WebViewConfiguration configuration;
  configuration.scriptsCanOpenWindowsAutomatically = true;
  configuration.mediaPlaybackRequiresUserAction = false;
  configuration.showsErrorPages = false;
  configuration.scriptMessageHandlers.assign(PageBridge::kHandlerNames.begin(),
                                             PageBridge::kHandlerNames.end());
  configuration.childFrameFilter = [hosts = hosts_](const std::string& url) {
    const auto parsed = Url::parse(url);
    return parsed && hosts.isSecureWorkspaceOrigin(parsed->scheme(), parsed->host());
  };
  return configuration;
}

WebViewConfiguration DesktopBrowserModel::browserTabConfiguration() const {
  WebViewConfiguration configuration;
  configuration.scriptsCanOpenWindowsAutomatically = true;
  configuration.backgroundColor = "#ffffff";
  return configuration;
}

BrowserTabSession DesktopBrowserModel::makeBrowserSession(
    const std::string& url, std::optional<std::string> title,
    std::optional<std::string> managedWorkflowID) {
  BrowserTabSession session{newUUID(), services_.webViews.makeWebView(browserTabConfiguration()),
                            url, title.value_or(displayTitle(url)), std::move(managedWorkflowID)};
  session.webView->setDelegate(&tabNavigation_);
  return session;
}

void DesktopBrowserModel::load(const VelmoraRoute& route) {
  using Kind = VelmoraRoute::Kind;
  services_.logger.info(kCategory, "Opening surface " + route.telemetryName());
  navigation.activeRoute.set(route);
  if (route.kind() == Kind::home || route.kind() == Kind::agent ||
      route.kind() == Kind::messaging || route.kind() == Kind::voice) {
    session_.refresh();
  }
  switch (route.kind()) {
    case Kind::packWorkspace:
      // No pack catalog is installed, so every pack id is unknown.
      load(VelmoraRoute::agentPacks());
      return;
    case Kind::home:
      surface_.setShowingDesktopChat(false);
      navigation.canGoBack.set(false);
      navigation.canGoForward.set(false);
      navigation.isLoading.set(false);
      navigation.currentURLString.set("velmora://home");
      navigation.title.set("Home");
      return;
    case Kind::agent:
      surface_.loadDesktopChat();
      return;
    case Kind::voice:
      surface_.load(route.url(origin_));
      return;
    case Kind::messaging:
    case Kind::agentPacks:
    case Kind::connectors:
    case Kind::skills:
    case Kind::pricing:
    case Kind::support: {
      const auto address = inAppAddress(route);
      navigation.currentURLString.set(address->urlString);
      navigation.title.set(address->title);
      return;
    }
    case Kind::browserWorkspace: {
      BrowserTabSession& session = tabs.selectedSession();
      if (session.webView->url().empty()) {
        loadCurrentBrowserTab(WebDestinations::gmailInbox, "Gmail");
      } else {
        updateState(session.webView.get());
      }
      return;
    }
  }
}

void DesktopBrowserModel::loadURL(const std::string& url) {
  surface_.load(url);
}

void DesktopBrowserModel::reload() {
  using Kind = VelmoraRoute::Kind;
  const VelmoraRoute& route = navigation.activeRoute.get();
  if (route.kind() == Kind::agent && surface_.isShowingDesktopChat()) {
    surface_.loadDesktopChat();
  } else if (route.kind() == Kind::browserWorkspace) {
    tabs.selectedSession().webView->reload();
  } else {
    surface_.reload();
  }
}

void DesktopBrowserModel::goBack() {
  activeWebView().goBack();
}

void DesktopBrowserModel::goForward() {
  activeWebView().goForward();
}

void DesktopBrowserModel::openExternal() {
  const VelmoraRoute& route = navigation.activeRoute.get();
  services_.logger.info(kCategory,
                        "External browser handoff requested from " + route.telemetryName());
  std::string url;
  if (route.kind() == VelmoraRoute::Kind::browserWorkspace) {
    url = tabs.selectedSession().webView->url();
    if (url.empty()) url = WebDestinations::gmailInbox;
  } else if (!surface_.isShowingDesktopChat()) {
    url = surface_.webView().url();
  }
  if (url.empty()) url = origin_.agentPageURL();
  services_.system.openWithDefaultHandler(url);
}

WebView& DesktopBrowserModel::activeWebView() {
  if (navigation.activeRoute.get().kind() == VelmoraRoute::Kind::browserWorkspace) {
    return *tabs.selectedSession().webView;
  }
  return surface_.webView();
}

void DesktopBrowserModel::openInAppBrowserTab(const std::string& url,
                                              std::optional<std::string> title) {
  BrowserTabSession& session = tabs.append(makeBrowserSession(url, std::move(title), std::nullopt));
  navigation.activeRoute.set(VelmoraRoute::browserWorkspace());
  session.webView->loadURL(url, kBrowserTabLoadTimeout);
  updateState(session.webView.get());
  services_.logger.info(kCategory, "Opened in-app tab host=" + hostForLog(url) +
                                       " tabs=" + std::to_string(tabs.sessions().size()));
}

void DesktopBrowserModel::loadCurrentBrowserTab(const std::string& url,
                                                std::optional<std::string> title) {
  BrowserTabSession& session = tabs.selectedSession();
  navigation.activeRoute.set(VelmoraRoute::browserWorkspace());
  session.requestedURL = url;
  session.fallbackTitle = title.value_or(displayTitle(url));
  const auto parsed = Url::parse(url);
  navigation.currentURLString.set(parsed ? parsed->string() : url);
  tabs.refreshSnapshots();
  session.webView->loadURL(url, kBrowserTabLoadTimeout);
  updateState(session.webView.get());
}

void DesktopBrowserModel::selectBrowserTab(const std::string& id) {
  if (!tabs.select(id)) return;
  navigation.activeRoute.set(VelmoraRoute::browserWorkspace());
  updateState(tabs.selectedSession().webView.get());
}

void DesktopBrowserModel::updateState(const WebView* view) {
  services_.scheduler.post(whileAlive(lifetime_, [this, view] { refreshNavigationState(view); }));
}

void DesktopBrowserModel::refreshNavigationState(const WebView* view) {
  if (view) tabs.refreshSnapshot(*view);
  const VelmoraRoute& route = navigation.activeRoute.get();
  WebView& active = activeWebView();
  if (view && view != &active) return;
  navigation.canGoBack.set(active.canGoBack());
  navigation.canGoForward.set(active.canGoForward());
  navigation.isLoading.set(active.isLoading());
  // A native screen keeps its own address and title while a page finishes behind it.
  if (route.kind() != VelmoraRoute::Kind::packWorkspace && inAppAddress(route)) return;
  if (route.kind() == VelmoraRoute::Kind::browserWorkspace) {
    const BrowserTabSession& session = tabs.selectedSession();
    navigation.currentURLString.set(session.shownURL());
    const std::string pageTitle = active.title();
    navigation.title.set(pageTitle.empty() ? session.fallbackTitle : pageTitle);
  } else if (surface_.isShowingDesktopChat()) {
    navigation.currentURLString.set(origin_.agentPageURL());
    navigation.title.set("Ondi");
  } else {
    navigation.currentURLString.set(active.url());
    const std::string pageTitle = active.title();
    navigation.title.set(pageTitle.empty() ? "Ondi" : pageTitle);
  }
}

void DesktopBrowserModel::webViewDidFinishLoading(const WebView& view) {
  // A page of the service may have changed the sign-in.
  if (const auto url = Url::parse(view.url()); url && hosts_.isWorkspaceHost(url->host())) {
    session_.refresh();
  }
  if (&view == &surface_.webView()) {
    runSurfaceScript(
        DesktopPreferencesController::themeScript(account.desktopPreferences.get().interfaceStyle));
  }
}

void DesktopBrowserModel::runSurfaceScript(const std::string& script) {
  surface_.webView().evaluateJavaScript(script);
}

void DesktopBrowserModel::handleSpeechRequest(const std::string&, const std::string&) {
  // No speech recognizer is installed on this desktop yet.
  if (auto script = PageScripts::speechUpdate("error", std::nullopt,
                                              "Speech recognition is unavailable on this Mac.")) {
    runSurfaceScript(*script);
  }
}

void DesktopBrowserModel::handleDesktopActionRequest(const nlohmann::json& body) {
  const auto id = body.find("id");
  const std::string requestID =
      id != body.end() && id->is_string() ? id->get<std::string>() : newUUID();
  const auto action = body.find("action");
  if (action != body.end() && action->is_string() &&
      trimmedWhitespace(action->get<std::string>()) == "syncConversationThreads") {
    threads_.applyConversationThreadSnapshot(body);
    return;
  }
  if (auto script = PageScripts::desktopActionUpdate(
          requestID, false, std::nullopt, "Ondi does not know that desktop action yet.")) {
    runSurfaceScript(*script);
  }
}

}  // namespace ondi
