#pragma once

#include <gio/gio.h>

#include "core/ports/CookieStore.h"
#include "core/util/GlibHandles.h"

namespace ondi::platform {

class WebKitNetwork;

// The cookie jar of the persistent website data store.
class WebKitCookieStore final : public CookieStore {
 public:
  explicit WebKitCookieStore(WebKitNetwork& network);
  // Cancels the reads and writes still running; their completions are then never called.
  ~WebKitCookieStore() override;
  WebKitCookieStore(const WebKitCookieStore&) = delete;
  WebKitCookieStore& operator=(const WebKitCookieStore&) = delete;

  void allCookies(std::function<void(std::vector<Cookie>)> completion) override;
  void cookiesForURL(const std::string& url,
                     std::function<void(std::vector<Cookie>)> completion) override;
  void setCookie(const Cookie& cookie, std::function<void()> completion) override;
  void deleteCookie(const Cookie& cookie, std::function<void()> completion) override;

 private:
  WebKitNetwork& network_;
  glib::ObjectRef<GCancellable> cancellable_;
};

}  // namespace ondi::platform
