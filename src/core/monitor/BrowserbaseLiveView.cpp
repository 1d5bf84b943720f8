#include "core/monitor/BrowserbaseLiveView.h"

namespace ondi {

BrowserbaseLiveView::BrowserbaseLiveView(WebViewFactory& factory, LiveViewPolicy policy)
    : factory_(factory), policy_(std::move(policy)) {}

BrowserbaseLiveView::~BrowserbaseLiveView() {
  if (!view_) return;
  view_->stopLoading();
  view_->setDelegate(nullptr);
}

void BrowserbaseLiveView::update(const std::optional<std::string>& url,
                                 const std::optional<std::string>& browserRunnerBaseURL) {
  browserRunnerBaseURL_ = browserRunnerBaseURL;
  const LiveViewPolicy::Update update = policy_.update(url, loadedURL_, browserRunnerBaseURL_);
  switch (update.kind) {
    case LiveViewPolicy::Update::Kind::keep:
      return;
    case LiveViewPolicy::Update::Kind::blank:
      view_->stopLoading();
      loadedURL_.reset();
      view_->loadHTML("", "about:blank");
      return;
    case LiveViewPolicy::Update::Kind::load: {
      const bool persistent = policy_.isBrowserRunnerURL(update.url, browserRunnerBaseURL_);
      if (!view_ || persistent != persistent_) makeView(persistent);
      view_->stopLoading();
      loadedURL_ = update.url;
      view_->loadURL(update.url, kLoadTimeout);
      return;
    }
  }
}

void BrowserbaseLiveView::makeView(bool persistent) {
  WebViewConfiguration configuration;
  configuration.scriptsCanOpenWindowsAutomatically = false;
  configuration.backgroundColor = "#000000";
  configuration.ephemeralWebsiteData = !persistent;
  configuration.loadsBypassCache = true;
  configuration.allowsNavigationGestures = false;
  configuration.allowsMagnification = false;
  configuration.showsContextMenu = false;
  if (view_) {
    view_->stopLoading();
    view_->setDelegate(nullptr);
  }
  view_ = factory_.makeWebView(configuration);
  view_->setDelegate(this);
  persistent_ = persistent;
  loadedURL_.reset();
  webViewReplaced.emit();
}

NavigationDecision BrowserbaseLiveView::decideNavigationPolicy(WebView&,
                                                               const NavigationAction& action) {
  // Requests for new windows never reach here: they come as newWindowRequested, which opens
  // nothing.
  const auto url = action.url.empty() ? std::nullopt : std::optional(action.url);
  return policy_.navigation(url, false, browserRunnerBaseURL_) == LiveViewPolicy::Navigation::allow
             ? NavigationDecision::allow
             : NavigationDecision::cancel;
}

}  // namespace ondi
