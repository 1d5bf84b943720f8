#include "core/surface/SurfaceHost.h"

#include "core/ports/Logger.h"
#include "core/ports/SystemServices.h"
#include "core/surface/NavigationDisposition.h"
#include "core/theme/DesktopThemeScripts.h"
#include "core/theme/VelmoraThemePalette.h"
#include "core/util/Url.h"

namespace ondi {
namespace {
constexpr std::string_view kCategory = "browser";
}

std::string hostForLog(const std::string& url) {
  const auto parsed = Url::parse(url);
  return parsed && !parsed->host().empty() ? parsed->host() : "unknown";
}

namespace {

WebViewConfiguration surfaceConfiguration(VelmoraTheme theme, const WorkspaceHosts& hosts,
                                          const SurfaceResources& resources) {
  WebViewConfiguration configuration;
  configuration.scriptsCanOpenWindowsAutomatically = true;
  configuration.mediaPlaybackRequiresUserAction = false;
  configuration.showsErrorPages = false;
  configuration.allowsMediaCapture = true;
  configuration.backgroundColor = cssColor(palette(theme).workspace);
  configuration.userScripts = {
      {desktopThemeApplicationScript(resources.desktopThemeScript, theme),
       UserScript::InjectionTime::documentStart},
      {minimalDesktopThemeScript(resources), UserScript::InjectionTime::documentEnd},
  };
  configuration.scriptMessageHandlers.assign(PageBridge::kHandlerNames.begin(),
                                             PageBridge::kHandlerNames.end());
  configuration.childFrameFilter = [hosts](const std::string& url) {
    const auto parsed = Url::parse(url);
    return parsed && hosts.isSecureWorkspaceOrigin(parsed->scheme(), parsed->host());
  };
  return configuration;
}

}  // namespace

SurfaceHost::SurfaceHost(Dependencies dependencies, PageBridge::Handlers handlers)
    : deps_(std::move(dependencies)),
      webView_(deps_.webViews.makeWebView(
          surfaceConfiguration(deps_.storedTheme(), deps_.hosts, deps_.resources))),
      bridge_(deps_.hosts, deps_.logger, *this, std::move(handlers)) {
  webView_->setDelegate(this);
}

SurfaceHost::~SurfaceHost() {
  webView_->removeScriptMessageHandlers();
  webView_->setDelegate(nullptr);
}

void SurfaceHost::loadDesktopChat() {
  isShowingDesktopChat_ = true;
  webView_->loadHTML(deps_.resources.desktopChatHTML, deps_.operatorPageBaseURL());
}

void SurfaceHost::load(const std::string& url, std::optional<std::chrono::milliseconds> timeout,
                       LoadCachePolicy cachePolicy) {
  deps_.logger.info(kCategory, "Loading hosted surface host=" + hostForLog(url));
  isShowingDesktopChat_ = false;
  webView_->loadURL(url, timeout, cachePolicy);
}

void SurfaceHost::applyTheme(VelmoraTheme theme) {
  webView_->setBackgroundColor(cssColor(palette(theme).workspace));
  runScript(desktopThemeCallScript(theme));
}

NavigationDecision SurfaceHost::decideNavigationPolicy(WebView&, const NavigationAction& action) {
  using D = PrivilegedWorkspaceNavigationDisposition;
  if (action.url.empty()) return NavigationDecision::cancel;
  switch (privilegedNavigationDisposition(action.url, action.targetFrameIsMain,
                                          action.isUserGesture, deps_.hosts)) {
    case D::allowInSurface:
      return NavigationDecision::allow;
    case D::openWithSystem:
      deps_.system.openWithDefaultHandler(action.url);
      return NavigationDecision::cancel;
    case D::openInAppBrowser:
      deps_.client.openInAppBrowserTab(action.url);
      return NavigationDecision::cancel;
    case D::block:
      return NavigationDecision::cancel;
  }
  return NavigationDecision::cancel;
}

void SurfaceHost::newWindowRequested(WebView&, const NavigationAction& action) {
  using D = PrivilegedWorkspaceNavigationDisposition;
  if (action.targetFrameIsMain || action.url.empty()) return;
  switch (privilegedNavigationDisposition(action.url, std::nullopt, action.isUserGesture,
                                          deps_.hosts)) {
    case D::allowInSurface:
      deps_.client.loadURL(action.url);
      return;
    case D::openWithSystem:
      deps_.system.openWithDefaultHandler(action.url);
      return;
    case D::openInAppBrowser:
      deps_.client.openInAppBrowserTab(action.url);
      return;
    case D::block:
      return;
  }
}

void SurfaceHost::navigationStarted(WebView& view) {
  deps_.logger.log(LogLevel::debug, kCategory,
                   "Surface started loading host=" + hostForLog(view.url()));
  deps_.client.updateState(&view);
}

void SurfaceHost::navigationCommitted(WebView& view) {
  deps_.logger.log(LogLevel::debug, kCategory, "Surface committed host=" + hostForLog(view.url()));
  deps_.client.updateState(&view);
}

void SurfaceHost::navigationFinished(WebView& view) {
  deps_.logger.log(LogLevel::debug, kCategory,
                   "Surface finished loading host=" + hostForLog(view.url()));
  deps_.client.updateState(&view);
  applyTheme(deps_.storedTheme());
  deps_.client.webViewDidFinishLoading(view);
}

void SurfaceHost::navigationFailed(WebView& view, const std::string& failingURL,
                                   const std::string& errorDescription) {
  deps_.logger.info(
      kCategory, "Navigation failed host=" + hostForLog(failingURL) + " error=" + errorDescription);
  deps_.client.updateState(&view);
}

void SurfaceHost::mediaCaptureRequested(WebView&, const std::string& origin, MediaCaptureKind kind,
                                        std::function<void(bool)> decide) {
  deps_.microphone.decide(origin, kind, std::move(decide));
}

}  // namespace ondi
