#include "platform/linux/WebKitNetwork.h"

namespace ondi::platform {

WebKitNetwork::WebKitNetwork(const std::filesystem::path& dataDirectory,
                             const std::filesystem::path& cacheDirectory)
    : session_(glib::ObjectRef<WebKitNetworkSession>::adopt(
          webkit_network_session_new(dataDirectory.c_str(), cacheDirectory.c_str()))) {
  const auto cookies = dataDirectory / "cookies.sqlite";
  webkit_cookie_manager_set_persistent_storage(cookieManager(), cookies.c_str(),
                                               WEBKIT_COOKIE_PERSISTENT_STORAGE_SQLITE);
}

WebKitNetwork::~WebKitNetwork() {
  // Work still in flight when the owners go away (a cancelled cookie operation, a script
  // evaluation) finishes on a later turn of the main loop and releases the web views and
  // managers it holds then. WebKit crashes when such an object outlives its session, so the
  // session is released only after that work has been dispatched.
  glib::idleOnce([session = std::move(session_)]() mutable { session = {}; }, G_PRIORITY_LOW);
}

}  // namespace ondi::platform
