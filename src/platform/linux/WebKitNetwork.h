#pragma once

#include <webkit/webkit.h>

#include <filesystem>

#include "core/util/GlibHandles.h"

namespace ondi::platform {

// The one persistent website data store: every hosted web view and every native request
// share its cookies, which persist in SQLite under the data folder.
class WebKitNetwork {
 public:
  WebKitNetwork(const std::filesystem::path& dataDirectory,
                const std::filesystem::path& cacheDirectory);
  ~WebKitNetwork();
  WebKitNetwork(const WebKitNetwork&) = delete;
  WebKitNetwork& operator=(const WebKitNetwork&) = delete;

  WebKitNetworkSession* session() const { return session_.get(); }
  WebKitCookieManager* cookieManager() const {
    return webkit_network_session_get_cookie_manager(session_.get());
  }

 private:
  glib::ObjectRef<WebKitNetworkSession> session_;
};

}  // namespace ondi::platform
