#include "platform/linux/WebKitWebViewFactory.h"

#include "platform/linux/ChildFrameRules.h"
#include "platform/linux/WebKitNetwork.h"
#include "platform/linux/WebKitWebViewAdapter.h"

namespace ondi::platform {

WebKitWebViewFactory::WebKitWebViewFactory(WebKitNetwork& network, std::string registrableDomain,
                                           const std::filesystem::path& filterDirectory)
    : network_(network),
      filterStore_(webkit_user_content_filter_store_new(filterDirectory.c_str())),
      cancellable_(g_cancellable_new()) {
  const std::string rules = childFrameRulesJSON(registrableDomain);
  GBytes* bytes = g_bytes_new(rules.data(), rules.size());
  webkit_user_content_filter_store_save(filterStore_, "child-frames", bytes, cancellable_,
                                        filterCompiled, this);
  g_bytes_unref(bytes);
}

WebKitWebViewFactory::~WebKitWebViewFactory() {
  g_cancellable_cancel(cancellable_);
  g_object_unref(cancellable_);
  for (auto* manager : waitingForFilter_) g_object_unref(manager);
  if (childFrameFilter_) webkit_user_content_filter_unref(childFrameFilter_);
  g_object_unref(filterStore_);
}

void WebKitWebViewFactory::filterCompiled(GObject* store, GAsyncResult* result, gpointer data) {
  GError* error = nullptr;
  WebKitUserContentFilter* filter = webkit_user_content_filter_store_save_finish(
      WEBKIT_USER_CONTENT_FILTER_STORE(store), result, &error);
  if (!filter) {
    // Cancelled with the factory, or the rules failed to compile: the response-stage check
    // of each view still refuses foreign child frames.
    if (!g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED)) {
      g_warning("Child-frame content filter unavailable: %s", error->message);
    }
    g_error_free(error);
    return;
  }
  auto* self = static_cast<WebKitWebViewFactory*>(data);
  self->childFrameFilter_ = filter;
  for (auto* manager : self->waitingForFilter_) {
    webkit_user_content_manager_add_filter(manager, filter);
    g_object_unref(manager);
  }
  self->waitingForFilter_.clear();
}

std::shared_ptr<WebView> WebKitWebViewFactory::makeWebView(
    const WebViewConfiguration& configuration) {
  WebKitUserContentManager* manager = webkit_user_content_manager_new();
  for (const UserScript& script : configuration.userScripts) {
    const auto time = script.injectionTime == UserScript::InjectionTime::documentStart
                          ? WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START
                          : WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_END;
    WebKitUserScript* userScript = webkit_user_script_new(
        script.source.c_str(), WEBKIT_USER_CONTENT_INJECT_TOP_FRAME, time, nullptr, nullptr);
    webkit_user_content_manager_add_script(manager, userScript);
    webkit_user_script_unref(userScript);
  }
  if (configuration.childFrameFilter) {
    if (childFrameFilter_) {
      webkit_user_content_manager_add_filter(manager, childFrameFilter_);
    } else {
      waitingForFilter_.push_back(WEBKIT_USER_CONTENT_MANAGER(g_object_ref(manager)));
    }
  }

  WebKitSettings* settings = webkit_settings_new();
  webkit_settings_set_javascript_can_open_windows_automatically(
      settings, configuration.scriptsCanOpenWindowsAutomatically);
  webkit_settings_set_media_playback_requires_user_gesture(
      settings, configuration.mediaPlaybackRequiresUserAction);
  webkit_settings_set_enable_back_forward_navigation_gestures(settings, TRUE);

  auto* view =
      WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "network-session", network_.session(),
                                   "user-content-manager", manager, "settings", settings, nullptr));
  g_object_unref(settings);
  g_object_unref(manager);
  GdkRGBA background;
  if (gdk_rgba_parse(&background, configuration.backgroundColor.c_str())) {
    webkit_web_view_set_background_color(view, &background);
  }
  return std::make_shared<WebKitWebViewAdapter>(view, configuration);
}

}  // namespace ondi::platform
