#include "WebKitFixture.h"

#include <gtk/gtk.h>

#include <stdexcept>

#include "MainLoop.h"

WebKitFixture::WebKitFixture(const std::string& registrableDomain) {
  static const bool started = (gtk_init(), true);
  (void)started;
  network_ = std::make_unique<ondi::platform::WebKitNetwork>(folder_.path() / "data",
                                                             folder_.path() / "cache");
  cookies_ = std::make_unique<ondi::platform::WebKitCookieStore>(*network_);
  webViews_ = std::make_unique<ondi::platform::WebKitWebViewFactory>(*network_, registrableDomain,
                                                                     folder_.path() / "filters");
  if (!runMainLoopUntil([this] { return webViews_->isChildFrameFilterReady(); })) {
    throw std::runtime_error("The child-frame content filter did not compile");
  }
}
