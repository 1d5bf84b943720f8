#pragma once

#include <memory>
#include <optional>
#include <string>

#include <sigc++/signal.h>

#include "core/monitor/LiveViewPolicy.h"
#include "core/ports/WebView.h"

namespace ondi {

// The embedded live view of a cloud run's browser. It makes its web view on the first page
// it loads: on the shared persistent session for browser-runner pages, so they carry the
// account's cookie, and on a private ephemeral one for every other page; a page of the other
// kind gets a new view. The view opens no windows, shows one page at a time on black, and
// navigates only where the policy allows.
class BrowserbaseLiveView final : public WebViewDelegate {
 public:
  static constexpr std::chrono::seconds kLoadTimeout{30};

  BrowserbaseLiveView(WebViewFactory& factory, LiveViewPolicy policy);
  ~BrowserbaseLiveView() override;
  BrowserbaseLiveView(const BrowserbaseLiveView&) = delete;
  BrowserbaseLiveView& operator=(const BrowserbaseLiveView&) = delete;

  // Shows `url`: an allowed address other than the loaded one is loaded, the same one again
  // is left alone, and a disallowed or missing one blanks the page.
  void update(const std::optional<std::string>& url,
              const std::optional<std::string>& browserRunnerBaseURL);

  // The web view; none until a page was loaded.
  WebView* webView() const { return view_.get(); }
  bool isPersistent() const { return persistent_; }
  const std::optional<std::string>& loadedURL() const { return loadedURL_; }
  // Emitted when a new web view took the place of the previous one (or of none).
  sigc::signal<void()> webViewReplaced;

  NavigationDecision decideNavigationPolicy(WebView& view, const NavigationAction& action) override;
  void newWindowRequested(WebView&, const NavigationAction&) override {}
  void navigationStarted(WebView&) override {}
  void navigationCommitted(WebView&) override {}
  void navigationFinished(WebView&) override {}
  void navigationFailed(WebView&, const std::string&, const std::string&) override {}
  void navigationCancelled(WebView&) override {}
  void mediaCaptureRequested(WebView&, const std::string&, MediaCaptureKind,
                             std::function<void(bool)> decide) override {
    decide(false);
  }

 private:
  void makeView(bool persistent);

  WebViewFactory& factory_;
  LiveViewPolicy policy_;
  std::unique_ptr<WebView> view_;
  bool persistent_ = false;
  std::optional<std::string> loadedURL_;
  std::optional<std::string> browserRunnerBaseURL_;
};

}  // namespace ondi
