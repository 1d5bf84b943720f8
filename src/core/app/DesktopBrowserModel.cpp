#include "core/app/DesktopBrowserModel.h"

#include <glib.h>

#include <algorithm>

#include "core/account/Pkce.h"
#include "core/browser/BrowserAddress.h"
#include "core/browser/WebDestinations.h"
#include "core/monitor/ManagedBrowserWorkflowReference.h"
#include "core/ports/Logger.h"
#include "core/ports/Scheduler.h"
#include "core/ports/SystemServices.h"
#include "core/surface/PageScripts.h"
#include "core/theme/DesktopThemeScripts.h"
#include "core/theme/VelmoraThemePalette.h"
#include "core/util/Text.h"
#include "core/util/Url.h"
#include "core/util/Uuid.h"

namespace ondi {
namespace {

constexpr std::string_view kCategory = "browser";
constexpr std::chrono::seconds kBrowserTabLoadTimeout{30};

// The start of a value's SHA-256: lets a log tell values apart without showing them.
std::string logDigest(const std::string& value) {
  char* digest = g_compute_checksum_for_string(G_CHECKSUM_SHA256, value.c_str(), -1);
  std::string text(digest, 12);
  g_free(digest);
  return text;
}

}  // namespace

DesktopBrowserModel::DesktopBrowserModel(ServiceOrigin origin, PlatformServices services,
                                         SurfaceResources resources)
    : settingsRequestID(newUUID()),
      origin_(std::move(origin)),
      services_(services),
      hosts_(origin_.registrableDomain),
      microphone_(hosts_, services_.microphone),
      surface_(services_.webViews.makeWebView(surfaceConfiguration(resources)), navigation, origin_,
               hosts_, services_.logger, services_.system, microphone_, *this,
               std::move(resources.desktopChatHTML)),
      tabNavigation_(services_.system, microphone_, services_.clock, *this),
      api_(origin_, services_.environment, services_.transport, services_.cookies,
           services_.scheduler, [this] { return surface_.webView().url(); }),
      preferences_(account, services_.settings, api_, *this),
      session_(account, api_, preferences_),
      auth_({account, api_, session_, preferences_, services_.random, services_.webAuthenticator,
             *this}),
      instructions_(account, api_),
      threads_(account, navigation, *this, services_.scheduler, services_.logger,
               [this] { return surface_.isShowingDesktopChat(); }),
      openAIKeychain_(services_.secrets, services_.settings, services_.scheduler),
      openAI_({account, settingsRequestID, services_.settings, services_.environment,
               services_.transport, openAIKeychain_,
               [this](const std::string& script) { runSurfaceScript(script); }}),
      bridge_(hosts_, services_.logger, *this),
      externalBrowsers_(services_.applications),
      dispatcher_(*this, externalBrowsers_) {
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

WebViewConfiguration DesktopBrowserModel::surfaceConfiguration(
    const SurfaceResources& resources) const {
  WebViewConfiguration configuration;
  configuration.scriptsCanOpenWindowsAutomatically = true;
  configuration.mediaPlaybackRequiresUserAction = false;
  configuration.showsErrorPages = false;
  const VelmoraTheme theme = currentTheme(services_.settings);
  configuration.backgroundColor = cssColor(palette(theme).workspace);
  configuration.userScripts = {
      {desktopThemeApplicationScript(resources.desktopThemeScript, theme),
       UserScript::InjectionTime::documentStart},
      {minimalDesktopThemeScript(resources), UserScript::InjectionTime::documentEnd},
  };
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

void DesktopBrowserModel::handOffCurrentPage(const ExternalBrowser& browser) {
  const auto url = currentPageURL();
  if (!url) return;
  std::string label = trimmedWhitespace(navigation.title.get());
  if (label.empty()) label = displayTitle(*url);
  services_.logger.info(kCategory,
                        std::string(browser.shortName) + " handoff host=" + hostForLog(*url));
  externalBrowsers_.openURL(*url, std::string(browser.bundleIdentifier),
                            std::string(browser.applicationName), label,
                            [](const DesktopActionResult&) {});
}

WebView& DesktopBrowserModel::activeWebView() {
  if (navigation.activeRoute.get().kind() == VelmoraRoute::Kind::browserWorkspace) {
    return *tabs.selectedSession().webView;
  }
  return surface_.webView();
}

bool DesktopBrowserModel::openInAppBrowserTab(const std::string& url,
                                              std::optional<std::string> title) {
  if (tabs.isFull()) {
    services_.logger.info(kCategory, "Refused in-app tab host=" + hostForLog(url) +
                                         " tabs=" + std::to_string(tabs.sessions().size()));
    showBrowserNotice(std::string(kBrowserTabLimitNotice));
    return false;
  }
  BrowserTabSession& session = tabs.append(makeBrowserSession(url, std::move(title), std::nullopt));
  navigation.activeRoute.set(VelmoraRoute::browserWorkspace());
  session.webView->loadURL(url, kBrowserTabLoadTimeout);
  updateState(session.webView.get());
  services_.logger.info(kCategory, "Opened in-app tab host=" + hostForLog(url) +
                                       " tabs=" + std::to_string(tabs.sessions().size()));
  return true;
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
  showSelectedBrowserTab();
}

void DesktopBrowserModel::showSelectedBrowserTab() {
  // A tab opened in the background (the start-up Gmail tab) loads when it is first shown.
  BrowserTabSession& session = tabs.selectedSession();
  if (session.webView->url().empty() && !session.webView->isLoading()) {
    session.webView->loadURL(session.requestedURL, kBrowserTabLoadTimeout);
  }
  updateState(session.webView.get());
}

void DesktopBrowserModel::loadBrowserAddress(const std::string& text) {
  if (const auto url = browserURL(text)) loadCurrentBrowserTab(*url, std::nullopt);
}

void DesktopBrowserModel::closeBrowserTab(const std::string& id) {
  BrowserTabSession* session = tabs.session(id);
  if (!session) return;
  session->webView->stopLoading();
  if (tabs.sessions().size() == 1) {
    load(VelmoraRoute::agent());
    return;
  }
  tabs.notice.set(std::nullopt);
  tabNavigation_.forget(*session->webView);
  if (tabs.remove(id)) {
    navigation.activeRoute.set(VelmoraRoute::browserWorkspace());
    showSelectedBrowserTab();
  }
  tabs.refreshSnapshots();
}

DesktopActionResult DesktopBrowserModel::closeSelectedInAppBrowserTab() {
  const auto& selected = tabs.selectedBrowserTabID.get();
  if (selected && tabs.session(*selected) && tabs.sessions().size() >= 2) {
    closeBrowserTab(*selected);
    return DesktopActionResult::success("Closed the active Ondi browser tab.");
  }
  load(VelmoraRoute::agent());
  return DesktopActionResult::success("Closed Ondi's in-app browser workspace.");
}

DesktopActionResult DesktopBrowserModel::switchInAppBrowserTab(const std::string& direction) {
  const std::size_t count = tabs.sessions().size();
  if (count < 2) {
    return DesktopActionResult::failure(
        "Ondi has one browser tab open. Open another page first, then I can switch tabs.");
  }
  const bool previous = direction == "previous";
  const std::size_t index = (tabs.selectedIndex() + (previous ? count - 1 : 1)) % count;
  selectBrowserTab(tabs.sessions()[index].id);
  return DesktopActionResult::success(std::string("Switched to the ") +
                                      (previous ? "previous" : "next") + " Ondi browser tab.");
}

void DesktopBrowserModel::openCurrentInVelmoraBrowser() {
  const auto url = currentPageURL();
  if (!url) return;
  const std::string title = navigation.title.get();
  if (navigation.activeRoute.get().kind() == VelmoraRoute::Kind::browserWorkspace) {
    loadCurrentBrowserTab(*url, title);
  } else {
    openInAppBrowserTab(*url, title);
  }
}

std::optional<std::string> DesktopBrowserModel::currentPageURL() const {
  const VelmoraRoute& route = navigation.activeRoute.get();
  std::string url;
  if (route.kind() == VelmoraRoute::Kind::browserWorkspace) {
    url = tabs.selectedSession().shownURL();
  } else if (surface_.isShowingDesktopChat()) {
    url = origin_.agentPageURL();
  } else {
    url = surface_.webView().url();
    if (url.empty()) url = route.url(origin_);
  }
  if (url.empty()) return std::nullopt;
  return url;
}

void DesktopBrowserModel::updateState(const WebView* view) {
  // The refresh runs on a later turn, when a tab's view may be gone: it names the view by its
  // tab's id and finds it again then.
  ViewReference reference{view != nullptr, std::nullopt};
  if (view && view != &surface_.webView()) {
    const BrowserTabSession* session = tabs.sessionFor(*view);
    if (!session) return;
    reference.tabID = session->id;
  }
  services_.scheduler.post(
      whileAlive(lifetime_, [this, reference] { refreshNavigationState(reference); }));
}

void DesktopBrowserModel::refreshNavigationState(const ViewReference& reference) {
  const WebView* view = reference.any ? &surface_.webView() : nullptr;
  if (reference.tabID) {
    const BrowserTabSession* session = tabs.session(*reference.tabID);
    if (!session) return;
    view = session->webView.get();
    tabs.refreshSnapshot(*view);
  }
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
  if (&view == &surface_.webView()) applyDesktopThemeToWebView(currentTheme(services_.settings));
}

void DesktopBrowserModel::applyDesktopThemeToWebView(VelmoraTheme theme) {
  surface_.webView().setBackgroundColor(cssColor(palette(theme).workspace));
  runSurfaceScript(desktopThemeCallScript(theme));
}

std::string DesktopBrowserModel::accountWebsiteURL() const {
  return workspaceAuthURL("sign-up", managedBrowserBaseURL()).value_or("");
}

void DesktopBrowserModel::openAccountWebsite() {
  const std::string url = accountWebsiteURL();
  if (url.empty()) return;
  services_.logger.info("account", "Opening account website host=" + hostForLog(url));
  services_.system.openWithDefaultHandler(url);
}

void DesktopBrowserModel::runSurfaceScript(const std::string& script) {
  surface_.webView().evaluateJavaScript(script);
}

void DesktopBrowserModel::handleSpeechRequest(const std::string&, const std::string&) {
  // No speech recognizer is installed on this desktop yet.
  if (auto script = PageScripts::speechUpdate(
          "error", std::nullopt, "Speech recognition is unavailable on this computer.")) {
    runSurfaceScript(*script);
  }
}

void DesktopBrowserModel::publishDesktopActionUpdate(const std::string& id, bool ok,
                                                     const std::optional<std::string>& text,
                                                     const std::optional<std::string>& error) {
  if (auto script = PageScripts::desktopActionUpdate(id, ok, text, error)) {
    runSurfaceScript(*script);
  }
}

bool DesktopBrowserModel::openManagedBrowserWorkflow(const std::string& workflowID,
                                                     const std::string& title) {
  const auto workflow = ManagedBrowserWorkflowReference::make(workflowID);
  const auto base = Url::parse(managedBrowserBaseURL());
  const auto controlURL = workflow && base ? workflow->controlURL(*base) : std::nullopt;
  if (!controlURL) return false;
  requestedMonitoredWorkflowID.set(workflow->id());
  const auto bound =
      std::ranges::find(tabs.sessions(), workflow->id(), &BrowserTabSession::managedWorkflowID);
  if (bound != tabs.sessions().end()) {
    tabs.select(bound->id);
    tabs.selectedSession().requestedURL = *controlURL;
  } else {
    tabs.append(makeBrowserSession(*controlURL, title, workflow->id()));
    services_.logger.info(kCategory,
                          "Opened managed browser workflow=" + logDigest(workflow->id()));
  }
  tabs.refreshSnapshots();
  navigation.activeRoute.set(VelmoraRoute::browserWorkspace());
  BrowserTabSession& session = tabs.selectedSession();
  session.webView->loadURL(*controlURL, kBrowserTabLoadTimeout);
  updateState(session.webView.get());
  return true;
}

}  // namespace ondi
