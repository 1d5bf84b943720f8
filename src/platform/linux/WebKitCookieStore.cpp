#include "platform/linux/WebKitCookieStore.h"

#include <memory>

#include "platform/linux/SoupCookies.h"
#include "platform/linux/WebKitNetwork.h"

namespace ondi::platform {
namespace {

using Done = std::function<void()>;

void cookieWritten(GObject* source, GAsyncResult* result, gpointer data) {
  std::unique_ptr<Done> done(static_cast<Done*>(data));
  // A failed write leaves the jar as it was; the next request simply goes without it.
  webkit_cookie_manager_add_cookie_finish(WEBKIT_COOKIE_MANAGER(source), result, nullptr);
  (*done)();
}

void cookieDeleted(GObject* source, GAsyncResult* result, gpointer data) {
  std::unique_ptr<Done> done(static_cast<Done*>(data));
  webkit_cookie_manager_delete_cookie_finish(WEBKIT_COOKIE_MANAGER(source), result, nullptr);
  (*done)();
}

}  // namespace

void WebKitCookieStore::allCookies(std::function<void(std::vector<Cookie>)> completion) {
  using Completion = std::function<void(std::vector<Cookie>)>;
  webkit_cookie_manager_get_all_cookies(
      network_.cookieManager(), nullptr,
      [](GObject* source, GAsyncResult* result, gpointer data) {
        std::unique_ptr<Completion> done(static_cast<Completion*>(data));
        GList* list = webkit_cookie_manager_get_all_cookies_finish(WEBKIT_COOKIE_MANAGER(source),
                                                                   result, nullptr);
        std::vector<Cookie> cookies;
        for (GList* item = list; item; item = item->next) {
          cookies.push_back(cookieFromSoup(static_cast<SoupCookie*>(item->data)));
        }
        g_list_free_full(list, reinterpret_cast<GDestroyNotify>(soup_cookie_free));
        (*done)(std::move(cookies));
      },
      new Completion(std::move(completion)));
}

void WebKitCookieStore::setCookie(const Cookie& cookie, std::function<void()> completion) {
  SoupCookie* soupCookie = soupCookieFrom(cookie);
  webkit_cookie_manager_add_cookie(network_.cookieManager(), soupCookie, nullptr, cookieWritten,
                                   new Done(std::move(completion)));
  soup_cookie_free(soupCookie);
}

void WebKitCookieStore::deleteCookie(const Cookie& cookie, std::function<void()> completion) {
  SoupCookie* soupCookie = soupCookieFrom(cookie);
  webkit_cookie_manager_delete_cookie(network_.cookieManager(), soupCookie, nullptr, cookieDeleted,
                                      new Done(std::move(completion)));
  soup_cookie_free(soupCookie);
}

}  // namespace ondi::platform
