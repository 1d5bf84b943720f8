#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/ports/CookieStore.h"
#include "core/ports/Scheduler.h"

namespace ondi::fakes {

// An in-memory jar. Like the engine's cookie manager it works asynchronously: every read,
// write and deletion happens on a later turn of the main loop (through the scheduler), and
// its completion runs in that same turn, never from inside the call. Which cookies a browser
// sends to an address is the engine's rule, tested against the real jar: here every address
// gets `cookiesForAddresses` when set, else the whole jar.
class FakeCookieStore final : public CookieStore {
 public:
  explicit FakeCookieStore(Scheduler& scheduler) : scheduler_(scheduler) {}

  void allCookies(std::function<void(std::vector<Cookie>)> completion) override {
    scheduler_.post([this, completion = std::move(completion)] { completion(cookies); });
  }
  void cookiesForURL(const std::string& url,
                     std::function<void(std::vector<Cookie>)> completion) override {
    askedAddresses.push_back(url);
    scheduler_.post([this, completion = std::move(completion)] {
      completion(cookiesForAddresses.value_or(cookies));
    });
  }
  // Replaces a cookie of the same name, domain and path.
  void setCookie(const Cookie& cookie, std::function<void()> completion) override {
    scheduler_.post([this, cookie, completion = std::move(completion)] {
      erase(cookie);
      cookies.push_back(cookie);
      completion();
    });
  }
  void deleteCookie(const Cookie& cookie, std::function<void()> completion) override {
    scheduler_.post([this, cookie, completion = std::move(completion)] {
      erase(cookie);
      completion();
    });
  }

  std::vector<Cookie> cookies;
  std::optional<std::vector<Cookie>> cookiesForAddresses;
  // The addresses whose cookies were asked for, in order.
  std::vector<std::string> askedAddresses;

 private:
  void erase(const Cookie& cookie) {
    std::erase_if(cookies, [&](const Cookie& c) {
      return c.name == cookie.name && c.domain == cookie.domain && c.path == cookie.path;
    });
  }
  Scheduler& scheduler_;
};

}  // namespace ondi::fakes
