#include "platform/linux/WebKitWebViewFactory.h"

#include "platform/linux/BridgeScripts.h"
#include "platform/linux/ChildFrameRules.h"
#include "platform/linux/WebKitNetwork.h"
#include "platform/linux/WebKitUserAgent.h"
#include "platform/linux/WebKitWebViewAdapter.h"

namespace ondi::platform {
namespace {
using OwnedUserScript = glib::Owned<WebKitUserScript, webkit_user_script_unref>;

// Pinches reach a zoom gesture that runs before the view's own and claims them, so the page
// keeps its scale.
void refuseMagnification(GtkWidget* view) {
  GtkGesture* pinch = gtk_gesture_zoom_new();
  gtk_event_controller_set_propagation_phase(GTK_EVENT_CONTROLLER(pinch), GTK_PHASE_CAPTURE);
  g_signal_connect(pinch, "begin",
                   G_CALLBACK(+[](GtkGesture* gesture, GdkEventSequence* sequence, gpointer) {
                     gtk_gesture_set_sequence_state(gesture, sequence, GTK_EVENT_SEQUENCE_CLAIMED);
                   }),
                   nullptr);
  gtk_widget_add_controller(view, GTK_EVENT_CONTROLLER(pinch));
}

}  // namespace

WebKitWebViewFactory::WebKitWebViewFactory(WebKitNetwork& network, std::string registrableDomain,
                                           const std::filesystem::path& filterDirectory,
                                           bool usesMockCaptureDevices)
    : network_(network),
      filterStore_(glib::ObjectRef<WebKitUserContentFilterStore>::adopt(
          webkit_user_content_filter_store_new(filterDirectory.c_str()))),
      filterRules_(childFrameRulesJSON(registrableDomain)),
      cancellable_(glib::ObjectRef<GCancellable>::adopt(g_cancellable_new())),
      usesMockCaptureDevices_(usesMockCaptureDevices) {
  // The compiled filter is kept on disk under a name that changes with its rules, so later
  // launches load it instead of compiling it again.
  const glib::String digest(
      g_compute_checksum_for_string(G_CHECKSUM_SHA256, filterRules_.c_str(), -1));
  filterIdentifier_ = "child-frames-" + std::string(digest.get(), 16);
  webkit_user_content_filter_store_load(filterStore_.get(), filterIdentifier_.c_str(),
                                        cancellable_.get(), filterLoaded, this);
}

WebKitWebViewFactory::~WebKitWebViewFactory() {
  g_cancellable_cancel(cancellable_.get());
}

void WebKitWebViewFactory::filterLoaded(GObject* store, GAsyncResult* result, gpointer data) {
  glib::Error error;
  ContentFilter filter(webkit_user_content_filter_store_load_finish(
      WEBKIT_USER_CONTENT_FILTER_STORE(store), result, error.out()));
  if (g_error_matches(error.get(), G_IO_ERROR, G_IO_ERROR_CANCELLED)) return;
  auto* self = static_cast<WebKitWebViewFactory*>(data);
  if (filter) {
    self->install(std::move(filter));
    return;
  }
  const glib::Owned<GBytes, g_bytes_unref> bytes(
      g_bytes_new(self->filterRules_.data(), self->filterRules_.size()));
  webkit_user_content_filter_store_save(self->filterStore_.get(), self->filterIdentifier_.c_str(),
                                        bytes.get(), self->cancellable_.get(), filterCompiled,
                                        self);
}

void WebKitWebViewFactory::filterCompiled(GObject* store, GAsyncResult* result, gpointer data) {
  glib::Error error;
  ContentFilter filter(webkit_user_content_filter_store_save_finish(
      WEBKIT_USER_CONTENT_FILTER_STORE(store), result, error.out()));
  if (g_error_matches(error.get(), G_IO_ERROR, G_IO_ERROR_CANCELLED)) return;
  if (!filter) {
    // The views load all the same: the response-stage check of each view still refuses
    // foreign child frames, only after their request.
    g_warning("Child-frame content filter unavailable: %s", error->message);
  }
  static_cast<WebKitWebViewFactory*>(data)->install(std::move(filter));
}

void WebKitWebViewFactory::install(ContentFilter filter) {
  childFrameFilter_ = std::move(filter);
  filterSettled_ = true;
  filterSettledSignal_.emit(childFrameFilter_.get());
  filterSettledSignal_.clear();
}

std::unique_ptr<WebView> WebKitWebViewFactory::makeWebView(
    const WebViewConfiguration& configuration) {
  const auto owned =
      glib::ObjectRef<WebKitUserContentManager>::adopt(webkit_user_content_manager_new());
  WebKitUserContentManager* manager = owned.get();
  for (const UserScript& script : configuration.userScripts) {
    const auto time = script.injectionTime == UserScript::InjectionTime::documentStart
                          ? WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START
                          : WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_END;
    const OwnedUserScript userScript(webkit_user_script_new(
        script.source.c_str(), WEBKIT_USER_CONTENT_INJECT_TOP_FRAME, time, nullptr, nullptr));
    webkit_user_content_manager_add_script(manager, userScript.get());
  }
  if (!configuration.scriptMessageHandlers.empty()) {
    // Handlers live in a world of their own; pages reach them only through the relay, which
    // runs in every frame so that it can report whether the sender is the main frame.
    for (const std::string& name : configuration.scriptMessageHandlers) {
      webkit_user_content_manager_register_script_message_handler(manager, name.c_str(),
                                                                  kBridgeWorld);
    }
    const std::string page = bridgePageScript(configuration.scriptMessageHandlers);
    const OwnedUserScript pageScript(
        webkit_user_script_new(page.c_str(), WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
                               WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, nullptr, nullptr));
    webkit_user_content_manager_add_script(manager, pageScript.get());
    const std::string relay = bridgeRelayScript();
    const OwnedUserScript relayScript(webkit_user_script_new_for_world(
        relay.c_str(), WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
        WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, kBridgeWorld, nullptr, nullptr));
    webkit_user_content_manager_add_script(manager, relayScript.get());
  }
  if (configuration.childFrameFilter && childFrameFilter_) {
    webkit_user_content_manager_add_filter(manager, childFrameFilter_.get());
  }

  const auto ownedSettings = glib::ObjectRef<WebKitSettings>::adopt(webkit_settings_new());
  WebKitSettings* settings = ownedSettings.get();
  applyBrowserUserAgent(settings);
  webkit_settings_set_javascript_can_open_windows_automatically(
      settings, configuration.scriptsCanOpenWindowsAutomatically);
  webkit_settings_set_media_playback_requires_user_gesture(
      settings, configuration.mediaPlaybackRequiresUserAction);

  webkit_settings_set_enable_media_stream(settings, configuration.allowsMediaCapture);
  webkit_settings_set_enable_webrtc(settings, configuration.allowsMediaCapture);
  webkit_settings_set_enable_mock_capture_devices(
      settings, configuration.allowsMediaCapture && usesMockCaptureDevices_);

  // No hosted page can be inspected.
  webkit_settings_set_enable_developer_extras(settings, FALSE);

  // A web view's network session is fixed when it is made.
  auto ephemeral =
      configuration.ephemeralWebsiteData
          ? glib::ObjectRef<WebKitNetworkSession>::adopt(webkit_network_session_new_ephemeral())
          : glib::ObjectRef<WebKitNetworkSession>();
  auto* view = WEBKIT_WEB_VIEW(g_object_new(
      WEBKIT_TYPE_WEB_VIEW, "network-session", ephemeral ? ephemeral.get() : network_.session(),
      "user-content-manager", manager, "settings", settings, nullptr));
  if (configuration.allowsNavigationGestures) {
    // Swipe navigation works only on a view that is on screen: WebKit's gesture controller
    // crashes when a view outside any window navigates. The gestures follow the view's
    // realization, so background tabs and views not yet placed are safe.
    const auto setGestures = +[](GtkWidget* widget, gpointer enabled) {
      webkit_settings_set_enable_back_forward_navigation_gestures(
          webkit_web_view_get_settings(WEBKIT_WEB_VIEW(widget)), GPOINTER_TO_INT(enabled));
    };
    g_signal_connect(view, "realize", G_CALLBACK(setGestures), GINT_TO_POINTER(TRUE));
    g_signal_connect(view, "unrealize", G_CALLBACK(setGestures), GINT_TO_POINTER(FALSE));
  }
  if (!configuration.allowsMagnification) refuseMagnification(GTK_WIDGET(view));
  if (!configuration.showsContextMenu) {
    g_signal_connect(view, "context-menu", G_CALLBACK(+[] { return TRUE; }), nullptr);
  }
  GdkRGBA background;
  if (gdk_rgba_parse(&background, configuration.backgroundColor.c_str())) {
    webkit_web_view_set_background_color(view, &background);
  }
  auto adapter = std::make_unique<WebKitWebViewAdapter>(view, configuration, std::move(ephemeral));
  if (configuration.childFrameFilter && !filterSettled_) {
    adapter->holdLoads();
    filterSettledSignal_.connect(
        sigc::mem_fun(*adapter, &WebKitWebViewAdapter::childFrameFilterSettled));
  }
  return adapter;
}

}  // namespace ondi::platform
