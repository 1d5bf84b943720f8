#include "platform/linux/WebKitNetwork.h"

namespace ondi::platform {

WebKitNetwork::WebKitNetwork(const std::filesystem::path& dataDirectory,
                             const std::filesystem::path& cacheDirectory)
    : session_(webkit_network_session_new(dataDirectory.c_str(), cacheDirectory.c_str())) {
  const auto cookies = dataDirectory / "cookies.sqlite";
  webkit_cookie_manager_set_persistent_storage(cookieManager(), cookies.c_str(),
                                               WEBKIT_COOKIE_PERSISTENT_STORAGE_SQLITE);
}

WebKitNetwork::~WebKitNetwork() {
  g_object_unref(session_);
}

}  // namespace ondi::platform
