#pragma once

#include <chrono>
#include <expected>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ondi {

class WebView;
// The toolkit's widget of a web view, opaque to everything but the screens that place it.
struct NativeWidget;

// One navigation a web view is about to make.
struct NavigationAction {
  std::string url;  // empty when the action carries no address
  // Whether the navigation targets the main frame; absent when there is no target frame
  // (a request for a new window).
  std::optional<bool> targetFrameIsMain;
  // Whether the user started it: a click, a key press, a form the user submitted. Scripts a
  // page runs by itself (on load, from a timer) carry no gesture.
  bool isUserGesture = false;
};

enum class NavigationDecision { allow, cancel };

enum class MediaCaptureKind { microphone, camera, cameraAndMicrophone, other };

// A message a page posted to one of the view's named handlers, with what the engine's relay
// observed about its sender.
struct ScriptMessage {
  std::string name;
  std::string bodyJSON;  // the posted value as JSON text
  bool isMainFrame = false;
  std::string originScheme;
  std::string originHost;
};

// Receives the events of the web views it is attached to. Every call runs on the main loop.
class WebViewDelegate {
 public:
  virtual ~WebViewDelegate() = default;
  virtual NavigationDecision decideNavigationPolicy(WebView& view,
                                                    const NavigationAction& action) = 0;
  // A page asked for a new window. No web view is ever created for it; the delegate decides
  // where the address goes instead.
  virtual void newWindowRequested(WebView& view, const NavigationAction& action) = 0;
  virtual void navigationStarted(WebView& view) = 0;
  virtual void navigationCommitted(WebView& view) = 0;
  virtual void navigationFinished(WebView& view) = 0;
  virtual void navigationFailed(WebView& view, const std::string& failingURL,
                                const std::string& errorDescription) = 0;
  // A navigation stopped without an error of its own: cancelled by policy or by the user.
  virtual void navigationCancelled(WebView& view) = 0;
  // The page's title changed; engines may report it after the navigation has finished.
  virtual void titleChanged(WebView&) {}
  // A page posted to a handler named in the view's configuration.
  virtual void scriptMessageReceived(WebView&, const ScriptMessage&) {}
  // `origin` is the address of the page the main frame has committed to, or empty while a
  // navigation of the main frame is started but not committed. `decide` must be called once.
  virtual void mediaCaptureRequested(WebView& view, const std::string& origin,
                                     MediaCaptureKind kind, std::function<void(bool)> decide) = 0;
};

// A script added to every page a web view loads, in the top frame only.
struct UserScript {
  enum class InjectionTime { documentStart, documentEnd };
  std::string source;
  InjectionTime injectionTime = InjectionTime::documentEnd;
};

struct WebViewConfiguration {
  bool scriptsCanOpenWindowsAutomatically = true;
  bool mediaPlaybackRequiresUserAction = false;
  // Pages may ask for the microphone (and open real-time connections for it); each request
  // still goes to the delegate.
  bool allowsMediaCapture = false;
  std::vector<UserScript> userScripts;
  std::string backgroundColor = "#ffffff";
  // Whether a failed load shows the engine's error page (tabs) or keeps the page (surface).
  bool showsErrorPages = true;
  // Handlers a page may post to, as window.webkit.messageHandlers.<name>.postMessage(body).
  std::vector<std::string> scriptMessageHandlers;
  // When set, a child frame may load only addresses this accepts; everything else is
  // refused before it loads or reaches the delegate.
  std::function<bool(const std::string& url)> childFrameFilter;
  // A private website data store of the view's own instead of the shared persistent one, so
  // the pages it shows leave no cookies or storage behind.
  bool ephemeralWebsiteData = false;
  // Every address the view loads is asked for with "Cache-Control: no-store".
  bool loadsBypassCache = false;
  // Back/forward swipes, pinch magnification and the context menu of links and pages; a view
  // that only shows one page at a time turns them off.
  bool allowsNavigationGestures = true;
  bool allowsMagnification = true;
  bool showsContextMenu = true;
};

using ScriptResult = std::expected<std::string, std::string>;

// Whether one load may be answered from a cache, the engine's own or one on the way.
enum class LoadCachePolicy { useProtocolCachePolicy, reloadIgnoringLocalAndRemoteCache };

// A hosted web view on the one persistent website data store.
class WebView {
 public:
  virtual ~WebView() = default;
  virtual void setDelegate(WebViewDelegate* delegate) = 0;
  // The widget the screens put in their windows; none where nothing can be shown.
  virtual NativeWidget* nativeWidget() const = 0;
  // Unregisters every script-message handler; pages can no longer reach native code.
  virtual void removeScriptMessageHandlers() = 0;
  virtual void loadHTML(const std::string& html, const std::string& baseURL) = 0;
  virtual void loadURL(const std::string& url,
                       std::optional<std::chrono::milliseconds> timeout = std::nullopt,
                       LoadCachePolicy cachePolicy = LoadCachePolicy::useProtocolCachePolicy) = 0;
  virtual void reload() = 0;
  virtual void goBack() = 0;
  virtual void goForward() = 0;
  virtual void stopLoading() = 0;
  virtual bool canGoBack() const = 0;
  virtual bool canGoForward() const = 0;
  virtual bool isLoading() const = 0;
  // The current address, empty before anything was loaded.
  virtual std::string url() const = 0;
  virtual std::string title() const = 0;
  // The colour shown where the page draws nothing, and before it draws, as CSS colour text.
  virtual void setBackgroundColor(const std::string& cssColor) = 0;
  // Runs a script in the page's main world. The result is the value as JSON text, or the
  // error's description. A missing completion drops the result.
  virtual void evaluateJavaScript(const std::string& script,
                                  std::function<void(ScriptResult)> completion = {}) = 0;
  // Runs `functionBody` as the body of an asynchronous function without arguments in the main
  // frame's main world and waits for the promise it returns. The result is the settled value
  // as JSON text, or the error's description (a thrown error or a rejected promise).
  virtual void callAsyncJavaScript(const std::string& functionBody,
                                   std::function<void(ScriptResult)> completion) = 0;
};

class WebViewFactory {
 public:
  virtual ~WebViewFactory() = default;
  virtual std::unique_ptr<WebView> makeWebView(const WebViewConfiguration& configuration) = 0;
};

}  // namespace ondi
