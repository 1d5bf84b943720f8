#pragma once

#include <webkit/webkit.h>

#include <functional>
#include <string>

#include "core/ports/WebAuthenticator.h"

namespace ondi::platform {

class WebKitNetwork;

// Shows a provider's sign-in page in a modal window with its own web view on the shared,
// persistent network session, and finishes when the page navigates to the callback scheme.
// Closing the window cancels.
class WebKitWebAuthenticator final : public WebAuthenticator {
 public:
  using ParentWindow = std::function<GtkWindow*()>;

  WebKitWebAuthenticator(WebKitNetwork& network, ParentWindow parent);
  ~WebKitWebAuthenticator() override;
  WebKitWebAuthenticator(const WebKitWebAuthenticator&) = delete;
  WebKitWebAuthenticator& operator=(const WebKitWebAuthenticator&) = delete;

  bool start(const std::string& url, const std::string& callbackScheme,
             Completion completion) override;
  bool isActive() const override { return window_ != nullptr; }

  // The sign-in window while a session runs, for tests that drive the page.
  GtkWindow* window() const { return window_; }
  WebKitWebView* webView() const { return view_; }

 private:
  static gboolean onDecidePolicy(WebKitWebView*, WebKitPolicyDecision*, WebKitPolicyDecisionType,
                                 gpointer self);
  static gboolean onCloseRequest(GtkWindow*, gpointer self);
  static void onSchemeRequest(WebKitURISchemeRequest* request, gpointer self);

  bool isCallback(const std::string& url) const;
  void finish(std::expected<std::string, WebAuthenticationFailure> outcome);

  WebKitNetwork& network_;
  ParentWindow parent_;
  std::string callbackScheme_;
  Completion completion_;
  GtkWindow* window_ = nullptr;
  WebKitWebView* view_ = nullptr;
};

}  // namespace ondi::platform
