#include "platform/linux/WebKitUserAgent.h"

#include <string>

#include "core/browser/BrowserUserAgentPolicy.h"

namespace ondi::platform {
namespace {

// Read from fresh settings, so that a user agent set on some view never feeds back into it.
std::string browserUserAgent() {
  WebKitSettings* defaults = webkit_settings_new();
  std::string userAgent =
      BrowserUserAgentPolicy::userAgent(webkit_settings_get_user_agent(defaults));
  g_object_unref(defaults);
  return userAgent;
}

}  // namespace

void applyBrowserUserAgent(WebKitSettings* settings) {
  static const std::string userAgent = browserUserAgent();
  webkit_settings_set_user_agent(settings, userAgent.c_str());
}

}  // namespace ondi::platform
