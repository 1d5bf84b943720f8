#include "core/surface/SurfaceHost.h"

#include "core/ports/Logger.h"
#include "core/ports/SystemServices.h"
#include "core/surface/NavigationDisposition.h"
#include "core/util/Url.h"

namespace ondi {
namespace {
constexpr std::string_view kCategory = "browser";
}

std::string hostForLog(const std::string& url) {
  const auto parsed = Url::parse(url);
  return parsed && !parsed->host().empty() ? parsed->host() : "unknown";
}

SurfaceHost::SurfaceHost(std::unique_ptr<WebView> webView, NavigationState& navigation,
                         const ServiceOrigin& origin, const WorkspaceHosts& hosts, Logger& logger,
                         SystemServices& system, MicrophonePolicy& microphone, Client& client,
                         std::string desktopChatHTML)
    : webView_(std::move(webView)),
      navigation_(navigation),
      origin_(origin),
      hosts_(hosts),
      logger_(logger),
      system_(system),
      microphone_(microphone),
      client_(client),
      desktopChatHTML_(std::move(desktopChatHTML)) {
  webView_->setDelegate(this);
}

SurfaceHost::~SurfaceHost() {
  webView_->setDelegate(nullptr);
}

void SurfaceHost::loadDesktopChat() {
  isShowingDesktopChat_ = true;
  navigation_.currentURLString.set(origin_.agentPageURL());
  webView_->loadHTML(desktopChatHTML_, client_.operatorPageBaseURL());
}

void SurfaceHost::load(const std::string& url) {
  logger_.info(kCategory, "Loading hosted surface host=" + hostForLog(url));
  navigation_.activeRoute.set(VelmoraRoute::route(url).value_or(VelmoraRoute::agent()));
  isShowingDesktopChat_ = false;
  const auto parsed = Url::parse(url);
  navigation_.currentURLString.set(parsed ? parsed->string() : url);
  webView_->loadURL(url);
}

NavigationDecision SurfaceHost::decideNavigationPolicy(WebView&, const NavigationAction& action) {
  using D = PrivilegedWorkspaceNavigationDisposition;
  if (action.url.empty()) return NavigationDecision::cancel;
  switch (privilegedNavigationDisposition(action.url, action.targetFrameIsMain,
                                          action.isUserGesture, hosts_)) {
    case D::allowInSurface:
      return NavigationDecision::allow;
    case D::openWithSystem:
      system_.openWithDefaultHandler(action.url);
      return NavigationDecision::cancel;
    case D::openInAppBrowser:
      client_.openInAppBrowserTab(action.url);
      return NavigationDecision::cancel;
    case D::block:
      return NavigationDecision::cancel;
  }
  return NavigationDecision::cancel;
}

void SurfaceHost::newWindowRequested(WebView&, const NavigationAction& action) {
  using D = PrivilegedWorkspaceNavigationDisposition;
  if (action.targetFrameIsMain || action.url.empty()) return;
  switch (privilegedNavigationDisposition(action.url, std::nullopt, action.isUserGesture, hosts_)) {
    case D::allowInSurface:
      load(action.url);
      return;
    case D::openWithSystem:
      system_.openWithDefaultHandler(action.url);
      return;
    case D::openInAppBrowser:
      client_.openInAppBrowserTab(action.url);
      return;
    case D::block:
      return;
  }
}

void SurfaceHost::navigationStarted(WebView& view) {
  logger_.log(LogLevel::debug, kCategory, "Surface started loading host=" + hostForLog(view.url()));
  client_.updateState(&view);
}

void SurfaceHost::navigationCommitted(WebView& view) {
  logger_.log(LogLevel::debug, kCategory, "Surface committed host=" + hostForLog(view.url()));
  client_.updateState(&view);
}

void SurfaceHost::navigationFinished(WebView& view) {
  logger_.log(LogLevel::debug, kCategory,
              "Surface finished loading host=" + hostForLog(view.url()));
  client_.updateState(&view);
  client_.webViewDidFinishLoading(view);
}

void SurfaceHost::navigationFailed(WebView& view, const std::string& failingURL,
                                   const std::string& errorDescription) {
  logger_.info(kCategory,
               "Navigation failed host=" + hostForLog(failingURL) + " error=" + errorDescription);
  client_.updateState(&view);
}

void SurfaceHost::mediaCaptureRequested(WebView&, const std::string& origin, MediaCaptureKind kind,
                                        std::function<void(bool)> decide) {
  microphone_.decide(origin, kind, std::move(decide));
}

}  // namespace ondi
