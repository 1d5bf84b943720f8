#pragma once

#include <webkit/webkit.h>

#include <functional>
#include <string>
#include <vector>

#include <sigc++/trackable.h>

#include "core/ports/WebView.h"
#include "core/util/GlibHandles.h"

namespace ondi::platform {

// A WebKitWebView behind the core's WebView port; screens place it through `nativeWidget`.
class WebKitWebViewAdapter final : public WebView, public sigc::trackable {
 public:
  // `ownSession` is the view's private network session, if it has one; it is kept until the
  // view is gone.
  WebKitWebViewAdapter(WebKitWebView* view, WebViewConfiguration configuration,
                       glib::ObjectRef<WebKitNetworkSession> ownSession = {});
  ~WebKitWebViewAdapter() override;
  WebKitWebViewAdapter(const WebKitWebViewAdapter&) = delete;
  WebKitWebViewAdapter& operator=(const WebKitWebViewAdapter&) = delete;

  WebKitWebView* webKitView() const { return view_.get(); }
  // Keeps loads from starting until the child-frame filter is settled.
  void holdLoads() { holdingLoads_ = true; }
  // Installs the child-frame filter (none when it could not be compiled) and starts the last
  // load asked for meanwhile.
  void childFrameFilterSettled(WebKitUserContentFilter* filter);

  void setDelegate(WebViewDelegate* delegate) override { delegate_ = delegate; }
  // The GtkWidget of the view.
  NativeWidget* nativeWidget() const override {
    return reinterpret_cast<NativeWidget*>(view_.get());
  }
  void removeScriptMessageHandlers() override;
  void loadHTML(const std::string& html, const std::string& baseURL) override;
  void loadURL(const std::string& url, std::optional<std::chrono::milliseconds> timeout,
               LoadCachePolicy cachePolicy) override;
  void reload() override { webkit_web_view_reload(view_.get()); }
  void goBack() override { webkit_web_view_go_back(view_.get()); }
  void goForward() override { webkit_web_view_go_forward(view_.get()); }
  void stopLoading() override {
    heldLoad_ = nullptr;
    webkit_web_view_stop_loading(view_.get());
  }
  bool canGoBack() const override { return webkit_web_view_can_go_back(view_.get()); }
  bool canGoForward() const override { return webkit_web_view_can_go_forward(view_.get()); }
  bool isLoading() const override {
    return heldLoad_ != nullptr || webkit_web_view_is_loading(view_.get());
  }
  std::string url() const override;
  std::string title() const override;
  void setBackgroundColor(const std::string& cssColor) override;
  void evaluateJavaScript(const std::string& script,
                          std::function<void(ScriptResult)> completion) override;
  void callAsyncJavaScript(const std::string& functionBody,
                           std::function<void(ScriptResult)> completion) override;

 private:
  static gboolean onDecidePolicy(WebKitWebView*, WebKitPolicyDecision*, WebKitPolicyDecisionType,
                                 gpointer self);
  static GtkWidget* onCreate(WebKitWebView*, WebKitNavigationAction*, gpointer self);
  static void onLoadChanged(WebKitWebView*, WebKitLoadEvent, gpointer self);
  static void onTitleChanged(WebKitWebView*, GParamSpec*, gpointer self);
  static gboolean onLoadFailed(WebKitWebView*, WebKitLoadEvent, char* uri, GError*, gpointer self);
  static gboolean onPermissionRequest(WebKitWebView*, WebKitPermissionRequest*, gpointer self);
  void scriptMessageReceived(const std::string& name, JSCValue* value);

  gboolean decideNavigation(WebKitPolicyDecision* decision);
  gboolean decideResponse(WebKitPolicyDecision* decision);
  bool isConfinedFrameAddress(const std::string& url) const;
  void cancelLoadTimeout();

  glib::ObjectRef<WebKitNetworkSession> ownSession_;
  glib::ObjectRef<WebKitWebView> view_;
  WebViewConfiguration configuration_;
  WebViewDelegate* delegate_ = nullptr;
  unsigned loadTimeoutSource_ = 0;
  // The main frame's committed page, and whether a navigation has started past it.
  std::string committedURL_;
  bool navigationPending_ = false;
  bool holdingLoads_ = false;
  std::function<void()> heldLoad_;
  std::vector<gulong> scriptMessageHandlers_;
};

}  // namespace ondi::platform
