#include "core/browser/BrowserWorkspaceController.h"

#include <algorithm>
#include <chrono>

#include "core/browser/BrowserAddress.h"
#include "core/browser/ManagedBrowserWorkflowReference.h"
#include "core/navigation/RouteNavigation.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/navigation/WebDestinations.h"
#include "core/ports/Logger.h"
#include "core/surface/SurfaceHost.h"
#include "core/util/GlibHandles.h"
#include "core/util/Url.h"
#include "core/util/Uuid.h"

namespace ondi {
namespace {

constexpr std::string_view kCategory = "browser";
constexpr std::chrono::seconds kBrowserTabLoadTimeout{30};

// The start of a value's SHA-256: lets a log tell values apart without showing them.
std::string logDigest(const std::string& value) {
  return glib::takeString(g_compute_checksum_for_string(G_CHECKSUM_SHA256, value.c_str(), -1))
      .substr(0, 12);
}

WebViewConfiguration browserTabConfiguration() {
  WebViewConfiguration configuration;
  configuration.scriptsCanOpenWindowsAutomatically = true;
  configuration.backgroundColor = "#ffffff";
  return configuration;
}

}  // namespace

BrowserWorkspaceController::BrowserWorkspaceController(Dependencies dependencies)
    : deps_(std::move(dependencies)),
      delegate_(deps_.system, deps_.microphone, deps_.clock, *this) {
  tabs.append(makeBrowserSession(WebDestinations::gmailInbox, "Gmail", std::nullopt));
  tabs.refreshSnapshots();
}

BrowserWorkspaceController::~BrowserWorkspaceController() {
  for (const auto& session : tabs.sessions()) session.webView->setDelegate(nullptr);
}

BrowserTabSession BrowserWorkspaceController::makeBrowserSession(
    const std::string& url, std::optional<std::string> title,
    std::optional<std::string> managedWorkflowID) {
  BrowserTabSession session{newUUID(), deps_.webViews.makeWebView(browserTabConfiguration()), url,
                            title.value_or(displayTitle(url)), std::move(managedWorkflowID)};
  session.webView->setDelegate(&delegate_);
  return session;
}

void BrowserWorkspaceController::show() {
  BrowserTabSession& session = tabs.selectedSession();
  if (session.webView->url().empty()) {
    loadCurrentBrowserTab(WebDestinations::gmailInbox, "Gmail");
  } else {
    deps_.navigation.updateState(session.webView.get());
  }
}

bool BrowserWorkspaceController::openInAppBrowserTab(const std::string& url,
                                                     std::optional<std::string> title) {
  if (tabs.isFull()) {
    deps_.logger.info(kCategory, "Refused in-app tab host=" + hostForLog(url) +
                                     " tabs=" + std::to_string(tabs.sessions().size()));
    showBrowserNotice(std::string(kBrowserTabLimitNotice));
    return false;
  }
  tabs.append(makeBrowserSession(url, std::move(title), std::nullopt));
  loadSelected(url);
  deps_.logger.info(kCategory, "Opened in-app tab host=" + hostForLog(url) +
                                   " tabs=" + std::to_string(tabs.sessions().size()));
  return true;
}

void BrowserWorkspaceController::loadSelected(const std::string& url) {
  deps_.navigation.show(VelmoraRoute::browserWorkspace());
  WebView& view = selectedWebView();
  view.loadURL(url, kBrowserTabLoadTimeout);
  deps_.navigation.updateState(&view);
}

void BrowserWorkspaceController::loadCurrentBrowserTab(const std::string& url,
                                                       std::optional<std::string> title) {
  BrowserTabSession& session = tabs.selectedSession();
  session.requestedURL = url;
  session.fallbackTitle = title.value_or(displayTitle(url));
  deps_.navigation.show(VelmoraRoute::browserWorkspace());
  const auto parsed = Url::parse(url);
  deps_.navigation.showAddress(parsed ? parsed->string() : url);
  tabs.refreshSnapshots();
  loadSelected(url);
}

void BrowserWorkspaceController::selectBrowserTab(const std::string& id) {
  if (!tabs.select(id)) return;
  deps_.navigation.show(VelmoraRoute::browserWorkspace());
  showSelectedBrowserTab();
}

void BrowserWorkspaceController::showSelectedBrowserTab() {
  // A tab opened in the background (the start-up Gmail tab) loads when it is first shown.
  BrowserTabSession& session = tabs.selectedSession();
  if (session.webView->url().empty() && !session.webView->isLoading()) {
    session.webView->loadURL(session.requestedURL, kBrowserTabLoadTimeout);
  }
  deps_.navigation.updateState(session.webView.get());
}

void BrowserWorkspaceController::loadBrowserAddress(const std::string& text) {
  if (const auto url = browserURL(text)) loadCurrentBrowserTab(*url, std::nullopt);
}

void BrowserWorkspaceController::closeBrowserTab(const std::string& id) {
  BrowserTabSession* session = tabs.session(id);
  if (!session) return;
  session->webView->stopLoading();
  if (tabs.sessions().size() == 1) {
    deps_.navigation.load(VelmoraRoute::agent());
    return;
  }
  tabs.notice.set(std::nullopt);
  delegate_.forget(*session->webView);
  if (tabs.remove(id)) {
    deps_.navigation.show(VelmoraRoute::browserWorkspace());
    showSelectedBrowserTab();
  }
  tabs.refreshSnapshots();
}

DesktopActionResult BrowserWorkspaceController::closeSelectedInAppBrowserTab() {
  const auto& selected = tabs.selectedBrowserTabID.get();
  if (selected && tabs.session(*selected) && tabs.sessions().size() >= 2) {
    closeBrowserTab(*selected);
    return DesktopActionResult::success("Closed the active Ondi browser tab.");
  }
  deps_.navigation.load(VelmoraRoute::agent());
  return DesktopActionResult::success("Closed Ondi's in-app browser workspace.");
}

DesktopActionResult BrowserWorkspaceController::switchInAppBrowserTab(
    const std::string& direction) {
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

bool BrowserWorkspaceController::openManagedBrowserWorkflow(const std::string& workflowID,
                                                            const std::string& title) {
  const auto workflow = ManagedBrowserWorkflowReference::make(workflowID);
  const auto base = Url::parse(deps_.managedBrowserBaseURL());
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
    deps_.logger.info(kCategory, "Opened managed browser workflow=" + logDigest(workflow->id()));
  }
  tabs.refreshSnapshots();
  loadSelected(*controlURL);
  return true;
}

const WebView* BrowserWorkspaceController::refreshTab(const std::string& id) {
  const BrowserTabSession* session = tabs.session(id);
  if (!session) return nullptr;
  tabs.refreshSnapshot(*session->webView);
  return session->webView.get();
}

void BrowserWorkspaceController::updateState(const WebView* view) {
  deps_.navigation.updateState(view);
}

void BrowserWorkspaceController::webViewDidFinishLoading(const WebView& view) {
  deps_.navigation.webViewDidFinishLoading(view);
}

}  // namespace ondi
