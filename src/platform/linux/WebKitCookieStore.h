#pragma once

#include "core/ports/CookieStore.h"

namespace ondi::platform {

class WebKitNetwork;

// The cookie jar of the persistent website data store.
class WebKitCookieStore final : public CookieStore {
 public:
  explicit WebKitCookieStore(WebKitNetwork& network) : network_(network) {}

  void allCookies(std::function<void(std::vector<Cookie>)> completion) override;
  void setCookie(const Cookie& cookie, std::function<void()> completion) override;
  void deleteCookie(const Cookie& cookie, std::function<void()> completion) override;

 private:
  WebKitNetwork& network_;
};

}  // namespace ondi::platform
