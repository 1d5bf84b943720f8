#pragma once

#include <webkit/webkit.h>

#include <filesystem>
#include <memory>
#include <string>

#include <sigc++/signal.h>

#include "core/ports/WebView.h"
#include "core/util/GlibHandles.h"

namespace ondi::platform {

class WebKitNetwork;

class WebKitWebViewAdapter;

// Builds web views on the shared persistent network session. Views that confine their child
// frames load nothing until the compiled child-frame content filter is in place; the filter
// is loaded (or compiled, on a profile's first start) while the rest of start-up goes on.
class WebKitWebViewFactory final : public WebViewFactory {
 public:
  // With `usesMockCaptureDevices`, views that may capture media get the engine's simulated
  // microphone and camera instead of the real devices: for tests, and for trying voice on a
  // computer without a microphone.
  WebKitWebViewFactory(WebKitNetwork& network, std::string registrableDomain,
                       const std::filesystem::path& filterDirectory,
                       bool usesMockCaptureDevices = false);
  ~WebKitWebViewFactory() override;
  WebKitWebViewFactory(const WebKitWebViewFactory&) = delete;
  WebKitWebViewFactory& operator=(const WebKitWebViewFactory&) = delete;

  std::unique_ptr<WebView> makeWebView(const WebViewConfiguration& configuration) override;
  // Whether the child-frame rules are compiled and installed in every view that confines
  // its child frames.
  bool isChildFrameFilterReady() const { return static_cast<bool>(childFrameFilter_); }

 private:
  using ContentFilter = glib::Owned<WebKitUserContentFilter, webkit_user_content_filter_unref>;

  static void filterLoaded(GObject* store, GAsyncResult* result, gpointer self);
  static void filterCompiled(GObject* store, GAsyncResult* result, gpointer self);
  // Installs `filter` (none when it could not be compiled) and lets the waiting views load.
  void install(ContentFilter filter);

  WebKitNetwork& network_;
  glib::ObjectRef<WebKitUserContentFilterStore> filterStore_;
  std::string filterRules_;
  std::string filterIdentifier_;
  ContentFilter childFrameFilter_;
  bool filterSettled_ = false;
  // Reaches the views that hold their loads until the filter is settled; a view that goes
  // away first leaves it by itself.
  sigc::signal<void(WebKitUserContentFilter*)> filterSettledSignal_;
  glib::ObjectRef<GCancellable> cancellable_;
  bool usesMockCaptureDevices_;
};

}  // namespace ondi::platform
