#include "platform/linux/WebKitWebAuthenticator.h"

#include <set>

#include "core/util/GlibHandles.h"
#include "platform/linux/WebKitNetwork.h"
#include "platform/linux/WebKitUserAgent.h"

namespace ondi::platform {
namespace {

// The authenticator whose session is open; custom schemes are registered once per process
// and answer for whichever session runs.
WebKitWebAuthenticator* activeAuthenticator = nullptr;

void registerScheme(const std::string& scheme, WebKitURISchemeRequestCallback callback) {
  static std::set<std::string> registered;
  if (!registered.insert(scheme).second) return;
  webkit_web_context_register_uri_scheme(webkit_web_context_get_default(), scheme.c_str(), callback,
                                         nullptr, nullptr);
}

std::string lowercasedScheme(const std::string& url) {
  const char* scheme = g_uri_peek_scheme(url.c_str());
  return scheme ? scheme : "";
}

}  // namespace

WebKitWebAuthenticator::WebKitWebAuthenticator(WebKitNetwork& network, ParentWindow parent)
    : network_(network), parent_(std::move(parent)) {}

WebKitWebAuthenticator::~WebKitWebAuthenticator() {
  if (activeAuthenticator == this) activeAuthenticator = nullptr;
  if (window_) {
    g_signal_handlers_disconnect_by_data(window_, this);
    g_signal_handlers_disconnect_by_data(view_, this);
    gtk_window_destroy(window_);
  }
}

bool WebKitWebAuthenticator::start(const std::string& url, const std::string& callbackScheme,
                                   Completion completion) {
  if (window_ || activeAuthenticator) return false;
  callbackScheme_ = callbackScheme;
  completion_ = std::move(completion);
  registerScheme(callbackScheme, [](WebKitURISchemeRequest* request, gpointer) {
    onSchemeRequest(request, activeAuthenticator);
  });

  view_ = WEBKIT_WEB_VIEW(
      g_object_new(WEBKIT_TYPE_WEB_VIEW, "network-session", network_.session(), nullptr));
  applyBrowserUserAgent(webkit_web_view_get_settings(view_));
  g_signal_connect(view_, "decide-policy", G_CALLBACK(onDecidePolicy), this);
  window_ = GTK_WINDOW(gtk_window_new());
  gtk_widget_set_name(GTK_WIDGET(window_), "webAuthenticationWindow");
  gtk_window_set_title(window_, "Sign in");
  gtk_window_set_default_size(window_, 560, 720);
  gtk_window_set_modal(window_, TRUE);
  if (GtkWindow* parent = parent_ ? parent_() : nullptr) {
    gtk_window_set_transient_for(window_, parent);
  }
  gtk_window_set_child(window_, GTK_WIDGET(view_));
  g_signal_connect(window_, "close-request", G_CALLBACK(onCloseRequest), this);
  activeAuthenticator = this;
  webkit_web_view_load_uri(view_, url.c_str());
  gtk_window_present(window_);
  return true;
}

bool WebKitWebAuthenticator::isCallback(const std::string& url) const {
  return !callbackScheme_.empty() && lowercasedScheme(url) == callbackScheme_;
}

void WebKitWebAuthenticator::finish(std::expected<std::string, WebAuthenticationFailure> outcome) {
  if (!window_) return;
  activeAuthenticator = nullptr;
  g_signal_handlers_disconnect_by_data(window_, this);
  g_signal_handlers_disconnect_by_data(view_, this);
  webkit_web_view_stop_loading(view_);
  gtk_widget_set_visible(GTK_WIDGET(window_), FALSE);
  // The window goes and the completion runs on a later turn: this may be called from inside
  // one of the web view's own signals.
  view_ = nullptr;
  glib::idleOnce([window = std::exchange(window_, nullptr), completion = std::move(completion_),
                  outcome = std::move(outcome)]() mutable {
    gtk_window_destroy(window);
    if (completion) completion(std::move(outcome));
  });
}

gboolean WebKitWebAuthenticator::onDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision,
                                                WebKitPolicyDecisionType type, gpointer data) {
  if (type == WEBKIT_POLICY_DECISION_TYPE_RESPONSE) return FALSE;
  auto* self = static_cast<WebKitWebAuthenticator*>(data);
  WebKitNavigationAction* action = webkit_navigation_policy_decision_get_navigation_action(
      WEBKIT_NAVIGATION_POLICY_DECISION(decision));
  const char* uri = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
  const std::string url = uri ? uri : "";
  if (!self->isCallback(url)) return FALSE;
  webkit_policy_decision_ignore(decision);
  self->finish(url);
  return TRUE;
}

gboolean WebKitWebAuthenticator::onCloseRequest(GtkWindow*, gpointer data) {
  static_cast<WebKitWebAuthenticator*>(data)->finish(
      std::unexpected(WebAuthenticationFailure{true, "The sign-in window was closed."}));
  return TRUE;
}

void WebKitWebAuthenticator::onSchemeRequest(WebKitURISchemeRequest* request, gpointer data) {
  auto* self = static_cast<WebKitWebAuthenticator*>(data);
  const std::string url = webkit_uri_scheme_request_get_uri(request);
  const glib::Error error(
      g_error_new_literal(G_IO_ERROR, G_IO_ERROR_CANCELLED, "Handled natively."));
  webkit_uri_scheme_request_finish_error(request, error.get());
  // Only the sign-in window's own page may end the sign-in: any other page could name the
  // scheme in an image or a frame.
  if (self && self->view_ && webkit_uri_scheme_request_get_web_view(request) == self->view_ &&
      self->isCallback(url)) {
    self->finish(url);
  }
}

}  // namespace ondi::platform
