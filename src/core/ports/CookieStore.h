#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/ports/Cookie.h"

namespace ondi {

// The one cookie jar that the hosted web views and native requests share. Every completion
// runs on the main loop.
class CookieStore {
 public:
  virtual ~CookieStore() = default;
  virtual void allCookies(std::function<void(std::vector<Cookie>)> completion) = 0;
  // The cookies a browser sends to `url`: host-only cookies only to their own host, domain
  // cookies to the domain and its subdomains, paths matched by whole segments, secure cookies
  // only over https, expired cookies never.
  virtual void cookiesForURL(const std::string& url,
                             std::function<void(std::vector<Cookie>)> completion) = 0;
  virtual void setCookie(const Cookie& cookie, std::function<void()> completion) = 0;
  virtual void deleteCookie(const Cookie& cookie, std::function<void()> completion) = 0;
};

}  // namespace ondi
