#include "platform/linux/WebKitWebViewAdapter.h"

#include <utility>

#include <nlohmann/json.hpp>

#include "platform/linux/BridgeScripts.h"

namespace ondi::platform {
namespace {

std::string uriOf(WebKitURIRequest* request) {
  const char* uri = request ? webkit_uri_request_get_uri(request) : nullptr;
  return uri ? uri : "";
}

bool isHTTPAddress(const std::string& url) {
  // The scheme comes back lowercased and interned.
  const char* scheme = g_uri_peek_scheme(url.c_str());
  return scheme && (g_str_equal(scheme, "http") || g_str_equal(scheme, "https"));
}

void decide(WebKitPolicyDecision* decision, NavigationDecision verdict) {
  if (verdict == NavigationDecision::allow) {
    webkit_policy_decision_use(decision);
  } else {
    webkit_policy_decision_ignore(decision);
  }
}

}  // namespace

WebKitWebViewAdapter::WebKitWebViewAdapter(WebKitWebView* view, WebViewConfiguration configuration,
                                           glib::ObjectRef<WebKitNetworkSession> ownSession)
    : ownSession_(std::move(ownSession)),
      view_(glib::ObjectRef<WebKitWebView>::sink(view)),
      configuration_(std::move(configuration)) {
  g_signal_connect(view_.get(), "decide-policy", G_CALLBACK(onDecidePolicy), this);
  g_signal_connect(view_.get(), "create", G_CALLBACK(onCreate), this);
  g_signal_connect(view_.get(), "load-changed", G_CALLBACK(onLoadChanged), this);
  g_signal_connect(view_.get(), "notify::title", G_CALLBACK(onTitleChanged), this);
  g_signal_connect(view_.get(), "load-failed", G_CALLBACK(onLoadFailed), this);
  g_signal_connect(view_.get(), "permission-request", G_CALLBACK(onPermissionRequest), this);
  WebKitUserContentManager* manager = webkit_web_view_get_user_content_manager(view_.get());
  for (const std::string& name : configuration_.scriptMessageHandlers) {
    const std::string signal = "script-message-received::" + name;
    scriptMessageHandlers_.push_back(glib::connectSignal<WebKitUserContentManager*, JSCValue*>(
        manager, signal.c_str(), [this, name](WebKitUserContentManager*, JSCValue* value) {
          scriptMessageReceived(name, value);
        }));
  }
}

void WebKitWebViewAdapter::removeScriptMessageHandlers() {
  WebKitUserContentManager* manager = webkit_web_view_get_user_content_manager(view_.get());
  for (const gulong handler : scriptMessageHandlers_) g_signal_handler_disconnect(manager, handler);
  scriptMessageHandlers_.clear();
  for (const std::string& name : configuration_.scriptMessageHandlers) {
    webkit_user_content_manager_unregister_script_message_handler(manager, name.c_str(),
                                                                  kBridgeWorld);
  }
  configuration_.scriptMessageHandlers.clear();
}

void WebKitWebViewAdapter::scriptMessageReceived(const std::string& name, JSCValue* value) {
  if (!delegate_) return;
  // The relay posts {body, isMainFrame, origin}; anything else did not come from it.
  const glib::String json(jsc_value_to_json(value, 0));
  const auto relayed = nlohmann::json::parse(json ? json.get() : "", nullptr, false);
  if (!relayed.is_object() || !relayed.contains("body") || !relayed.contains("isMainFrame") ||
      !relayed["isMainFrame"].is_boolean() || !relayed.contains("origin") ||
      !relayed["origin"].is_string()) {
    return;
  }
  ScriptMessage message;
  message.bodyJSON = relayed["body"].dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  message.isMainFrame = relayed["isMainFrame"].get<bool>();
  const glib::Owned<GUri, g_uri_unref> origin(
      g_uri_parse(relayed["origin"].get<std::string>().c_str(), G_URI_FLAGS_NONE, nullptr));
  if (origin) {
    message.originScheme = g_uri_get_scheme(origin.get()) ? g_uri_get_scheme(origin.get()) : "";
    message.originHost = g_uri_get_host(origin.get()) ? g_uri_get_host(origin.get()) : "";
  }
  message.name = name;
  delegate_->scriptMessageReceived(*this, message);
}

WebKitWebViewAdapter::~WebKitWebViewAdapter() {
  cancelLoadTimeout();
  removeScriptMessageHandlers();
  g_signal_handlers_disconnect_by_data(view_.get(), this);
  webkit_web_view_stop_loading(view_.get());
  view_ = {};
  // As with the shared session: work still in flight may hold the view until a later turn of
  // the main loop, and the view must not outlive its session.
  if (ownSession_) {
    glib::idleOnce([session = std::move(ownSession_)]() mutable { session = {}; }, G_PRIORITY_LOW);
  }
}

void WebKitWebViewAdapter::childFrameFilterSettled(WebKitUserContentFilter* filter) {
  if (filter) {
    webkit_user_content_manager_add_filter(webkit_web_view_get_user_content_manager(view_.get()),
                                           filter);
  }
  holdingLoads_ = false;
  if (auto load = std::exchange(heldLoad_, nullptr)) load();
}

void WebKitWebViewAdapter::loadHTML(const std::string& html, const std::string& baseURL) {
  if (holdingLoads_) {
    heldLoad_ = [this, html, baseURL] { loadHTML(html, baseURL); };
    return;
  }
  cancelLoadTimeout();
  webkit_web_view_load_html(view_.get(), html.c_str(), baseURL.c_str());
}

void WebKitWebViewAdapter::loadURL(const std::string& url,
                                   std::optional<std::chrono::milliseconds> timeout,
                                   LoadCachePolicy cachePolicy) {
  if (holdingLoads_) {
    heldLoad_ = [this, url, timeout, cachePolicy] { loadURL(url, timeout, cachePolicy); };
    return;
  }
  cancelLoadTimeout();
  const bool ignoresCaches = cachePolicy == LoadCachePolicy::reloadIgnoringLocalAndRemoteCache;
  if (configuration_.loadsBypassCache || ignoresCaches) {
    const auto request =
        glib::ObjectRef<WebKitURIRequest>::adopt(webkit_uri_request_new(url.c_str()));
    if (SoupMessageHeaders* headers = webkit_uri_request_get_http_headers(request.get())) {
      if (configuration_.loadsBypassCache) {
        soup_message_headers_replace(headers, "Cache-Control", "no-store");
      } else {
        // The engine's cache and every cache on the way revalidate with the server.
        soup_message_headers_replace(headers, "Cache-Control", "no-cache");
        soup_message_headers_replace(headers, "Pragma", "no-cache");
      }
    }
    webkit_web_view_load_request(view_.get(), request.get());
  } else {
    webkit_web_view_load_uri(view_.get(), url.c_str());
  }
  if (!timeout) return;
  loadTimeoutSource_ = g_timeout_add_full(
      G_PRIORITY_DEFAULT, static_cast<unsigned>(timeout->count()),
      [](gpointer data) -> gboolean {
        auto* self = static_cast<WebKitWebViewAdapter*>(data);
        self->loadTimeoutSource_ = 0;
        webkit_web_view_stop_loading(self->view_.get());
        return G_SOURCE_REMOVE;
      },
      this, nullptr);
}

void WebKitWebViewAdapter::cancelLoadTimeout() {
  if (loadTimeoutSource_) g_source_remove(loadTimeoutSource_);
  loadTimeoutSource_ = 0;
}

std::string WebKitWebViewAdapter::url() const {
  const char* uri = webkit_web_view_get_uri(view_.get());
  return uri ? uri : "";
}

std::string WebKitWebViewAdapter::title() const {
  const char* title = webkit_web_view_get_title(view_.get());
  return title ? title : "";
}

void WebKitWebViewAdapter::setBackgroundColor(const std::string& cssColor) {
  GdkRGBA background;
  if (gdk_rgba_parse(&background, cssColor.c_str())) {
    webkit_web_view_set_background_color(view_.get(), &background);
  }
}

namespace {

// Hands a script's value to `completion` as JSON text, or the engine's error.
template <auto Finish>
auto scriptFinished(std::function<void(ScriptResult)> completion) {
  return glib::asyncReady(
      [completion = std::move(completion)](GObject* source, GAsyncResult* result) {
        glib::Error error;
        const auto value =
            glib::ObjectRef<JSCValue>::adopt(Finish(WEBKIT_WEB_VIEW(source), result, error.out()));
        if (!completion) return;
        if (!value) {
          completion(std::unexpected(error ? error->message : "The script failed."));
          return;
        }
        const glib::String json(
            jsc_value_is_undefined(value.get()) ? nullptr : jsc_value_to_json(value.get(), 0));
        completion(json ? json.get() : "null");
      });
}

}  // namespace

void WebKitWebViewAdapter::evaluateJavaScript(const std::string& script,
                                              std::function<void(ScriptResult)> completion) {
  const auto evaluated =
      scriptFinished<webkit_web_view_evaluate_javascript_finish>(std::move(completion));
  webkit_web_view_evaluate_javascript(view_.get(), script.c_str(),
                                      static_cast<gssize>(script.size()), nullptr, nullptr, nullptr,
                                      evaluated.callback, evaluated.data);
}

void WebKitWebViewAdapter::callAsyncJavaScript(const std::string& functionBody,
                                               std::function<void(ScriptResult)> completion) {
  const auto called =
      scriptFinished<webkit_web_view_call_async_javascript_function_finish>(std::move(completion));
  webkit_web_view_call_async_javascript_function(
      view_.get(), functionBody.c_str(), static_cast<gssize>(functionBody.size()), nullptr, nullptr,
      nullptr, nullptr, called.callback, called.data);
}

bool WebKitWebViewAdapter::isConfinedFrameAddress(const std::string& url) const {
  return configuration_.childFrameFilter && isHTTPAddress(url) &&
         !configuration_.childFrameFilter(url);
}

gboolean WebKitWebViewAdapter::onDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision,
                                              WebKitPolicyDecisionType type, gpointer data) {
  auto* self = static_cast<WebKitWebViewAdapter*>(data);
  switch (type) {
    case WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION:
      return self->decideNavigation(decision);
    case WEBKIT_POLICY_DECISION_TYPE_NEW_WINDOW_ACTION:
      // Let the request reach "create", which hands it to the delegate without a new view.
      webkit_policy_decision_use(decision);
      return TRUE;
    case WEBKIT_POLICY_DECISION_TYPE_RESPONSE:
      return self->decideResponse(decision);
  }
  return FALSE;
}

// Navigation actions carry no frame. The content filter stops foreign child frames before
// any request, so a user gesture can only come from the main frame or a service frame: such a
// navigation is decided here, before its request leaves the view. A foreign address reached
// without a gesture may still be a child frame's and is decided at the response, where the
// main frame is known.
gboolean WebKitWebViewAdapter::decideNavigation(WebKitPolicyDecision* decision) {
  WebKitNavigationAction* action = webkit_navigation_policy_decision_get_navigation_action(
      WEBKIT_NAVIGATION_POLICY_DECISION(decision));
  const std::string url = uriOf(webkit_navigation_action_get_request(action));
  const bool gesture = webkit_navigation_action_is_user_gesture(action);
  if (!gesture && isConfinedFrameAddress(url)) {
    webkit_policy_decision_use(decision);
    return TRUE;
  }
  if (!delegate_) return FALSE;
  decide(decision,
         delegate_->decideNavigationPolicy(*this, NavigationAction{url, std::nullopt, gesture}));
  return TRUE;
}

gboolean WebKitWebViewAdapter::decideResponse(WebKitPolicyDecision* decision) {
  auto* response = WEBKIT_RESPONSE_POLICY_DECISION(decision);
  const std::string url = uriOf(webkit_response_policy_decision_get_request(response));
  if (!isConfinedFrameAddress(url)) return FALSE;
  if (!webkit_response_policy_decision_is_main_frame_main_resource(response) || !delegate_) {
    webkit_policy_decision_ignore(decision);
    return TRUE;
  }
  decide(decision, delegate_->decideNavigationPolicy(*this, NavigationAction{url, true, false}));
  return TRUE;
}

GtkWidget* WebKitWebViewAdapter::onCreate(WebKitWebView*, WebKitNavigationAction* action,
                                          gpointer data) {
  auto* self = static_cast<WebKitWebViewAdapter*>(data);
  const std::string url = uriOf(webkit_navigation_action_get_request(action));
  if (self->delegate_) {
    self->delegate_->newWindowRequested(
        *self, NavigationAction{
                   url, {}, static_cast<bool>(webkit_navigation_action_is_user_gesture(action))});
  }
  return nullptr;
}

void WebKitWebViewAdapter::onTitleChanged(WebKitWebView*, GParamSpec*, gpointer data) {
  auto* self = static_cast<WebKitWebViewAdapter*>(data);
  if (self->delegate_) self->delegate_->titleChanged(*self);
}

void WebKitWebViewAdapter::onLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer data) {
  auto* self = static_cast<WebKitWebViewAdapter*>(data);
  // The time-out covers waiting for the server: once the page's response has arrived it may
  // take as long as it needs to finish.
  if (event == WEBKIT_LOAD_COMMITTED || event == WEBKIT_LOAD_FINISHED) self->cancelLoadTimeout();
  // Which page asks for a device is known only once its navigation has committed.
  if (event == WEBKIT_LOAD_STARTED) self->navigationPending_ = true;
  if (event == WEBKIT_LOAD_COMMITTED) self->committedURL_ = self->url();
  if (event == WEBKIT_LOAD_COMMITTED || event == WEBKIT_LOAD_FINISHED) {
    self->navigationPending_ = false;
  }
  if (!self->delegate_) return;
  switch (event) {
    case WEBKIT_LOAD_STARTED:
      self->delegate_->navigationStarted(*self);
      return;
    case WEBKIT_LOAD_COMMITTED:
      self->delegate_->navigationCommitted(*self);
      return;
    case WEBKIT_LOAD_FINISHED:
      self->delegate_->navigationFinished(*self);
      return;
    case WEBKIT_LOAD_REDIRECTED:
      return;
  }
}

gboolean WebKitWebViewAdapter::onLoadFailed(WebKitWebView*, WebKitLoadEvent, char* uri,
                                            GError* error, gpointer data) {
  auto* self = static_cast<WebKitWebViewAdapter*>(data);
  const bool cancelled =
      g_error_matches(error, WEBKIT_NETWORK_ERROR, WEBKIT_NETWORK_ERROR_CANCELLED) ||
      g_error_matches(error, WEBKIT_POLICY_ERROR,
                      WEBKIT_POLICY_ERROR_FRAME_LOAD_INTERRUPTED_BY_POLICY_CHANGE);
  if (self->delegate_) {
    if (cancelled) {
      self->delegate_->navigationCancelled(*self);
    } else {
      self->delegate_->navigationFailed(*self, uri ? uri : "", error->message);
    }
  }
  // The load-failed signal is followed by load-changed(FINISHED); the error page, when
  // shown, is the engine's own.
  return cancelled || !self->configuration_.showsErrorPages;
}

gboolean WebKitWebViewAdapter::onPermissionRequest(WebKitWebView*, WebKitPermissionRequest* request,
                                                   gpointer data) {
  auto* self = static_cast<WebKitWebViewAdapter*>(data);
  if (!WEBKIT_IS_USER_MEDIA_PERMISSION_REQUEST(request) || !self->delegate_) {
    webkit_permission_request_deny(request);
    return TRUE;
  }
  auto* media = WEBKIT_USER_MEDIA_PERMISSION_REQUEST(request);
  const bool audio = webkit_user_media_permission_is_for_audio_device(media);
  const bool video = webkit_user_media_permission_is_for_video_device(media);
  const MediaCaptureKind kind = audio && video ? MediaCaptureKind::cameraAndMicrophone
                                : audio        ? MediaCaptureKind::microphone
                                : video        ? MediaCaptureKind::camera
                                               : MediaCaptureKind::other;
  const std::string origin = self->navigationPending_ ? "" : self->committedURL_;
  self->delegate_->mediaCaptureRequested(
      *self, origin, kind,
      [request = glib::ObjectRef<WebKitPermissionRequest>::retain(request)](bool granted) {
        if (granted) {
          webkit_permission_request_allow(request.get());
        } else {
          webkit_permission_request_deny(request.get());
        }
      });
  return TRUE;
}

}  // namespace ondi::platform
