#include "platform/linux/WebKitUserAgent.h"

#include <string>

#include "core/browser/BrowserUserAgentPolicy.h"
#include "core/util/GlibHandles.h"

namespace ondi::platform {
namespace {

// Read from fresh settings, so that a user agent set on some view never feeds back into it.
std::string browserUserAgent() {
  const auto defaults = glib::ObjectRef<WebKitSettings>::adopt(webkit_settings_new());
  return BrowserUserAgentPolicy::userAgent(webkit_settings_get_user_agent(defaults.get()));
}

}  // namespace

void applyBrowserUserAgent(WebKitSettings* settings) {
  static const std::string userAgent = browserUserAgent();
  webkit_settings_set_user_agent(settings, userAgent.c_str());
}

}  // namespace ondi::platform
