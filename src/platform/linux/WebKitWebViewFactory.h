#pragma once

#include <webkit/webkit.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/ports/WebView.h"

namespace ondi::platform {

class WebKitNetwork;

// Builds web views on the shared persistent network session. Views that confine their child
// frames get the compiled child-frame content filter as soon as it is ready.
class WebKitWebViewFactory final : public WebViewFactory {
 public:
  WebKitWebViewFactory(WebKitNetwork& network, std::string registrableDomain,
                       const std::filesystem::path& filterDirectory);
  ~WebKitWebViewFactory() override;
  WebKitWebViewFactory(const WebKitWebViewFactory&) = delete;
  WebKitWebViewFactory& operator=(const WebKitWebViewFactory&) = delete;

  std::shared_ptr<WebView> makeWebView(const WebViewConfiguration& configuration) override;
  // Whether the child-frame rules have compiled; until then only the response-stage check
  // keeps foreign child frames out.
  bool isChildFrameFilterReady() const { return childFrameFilter_ != nullptr; }

 private:
  static void filterLoaded(GObject* store, GAsyncResult* result, gpointer self);
  static void filterCompiled(GObject* store, GAsyncResult* result, gpointer self);
  void install(WebKitUserContentFilter* filter);

  WebKitNetwork& network_;
  WebKitUserContentFilterStore* filterStore_;
  std::string filterRules_;
  std::string filterIdentifier_;
  WebKitUserContentFilter* childFrameFilter_ = nullptr;
  // Content managers still waiting for the filter; each holds a reference.
  std::vector<WebKitUserContentManager*> waitingForFilter_;
  GCancellable* cancellable_;
};

}  // namespace ondi::platform
