#include "platform/linux/WebKitCookieStore.h"

#include "platform/linux/SoupCookies.h"
#include "platform/linux/WebKitNetwork.h"

namespace ondi::platform {
namespace {

using CookieList = glib::OwnedList<SoupCookie, soup_cookie_free>;
using ReadFinish = GList* (*)(WebKitCookieManager*, GAsyncResult*, GError**);
using WriteFinish = gboolean (*)(WebKitCookieManager*, GAsyncResult*, GError**);

// True when the operation was cancelled because the store is going away.
bool cancelled(const glib::Error& error) {
  return g_error_matches(error.get(), G_IO_ERROR, G_IO_ERROR_CANCELLED);
}

// Ends a cookie write. A failed write leaves the jar as it was; the next request simply goes
// without it.
glib::AsyncReady cookieWritten(WriteFinish finish, std::function<void()> completion) {
  return glib::asyncReady(
      [finish, completion = std::move(completion)](GObject* source, GAsyncResult* result) {
        glib::Error error;
        finish(WEBKIT_COOKIE_MANAGER(source), result, error.out());
        if (!cancelled(error)) completion();
      });
}

// Hands the list a cookie read finished with to its completion; a failed read reads as empty.
glib::AsyncReady cookiesRead(ReadFinish finish,
                             std::function<void(std::vector<Cookie>)> completion) {
  return glib::asyncReady(
      [finish, completion = std::move(completion)](GObject* source, GAsyncResult* result) {
        glib::Error error;
        const CookieList list(finish(WEBKIT_COOKIE_MANAGER(source), result, error.out()));
        if (cancelled(error)) return;
        std::vector<Cookie> cookies;
        for (GList* item = list.get(); item; item = item->next) {
          cookies.push_back(cookieFromSoup(static_cast<SoupCookie*>(item->data)));
        }
        completion(std::move(cookies));
      });
}

}  // namespace

WebKitCookieStore::WebKitCookieStore(WebKitNetwork& network)
    : network_(network), cancellable_(glib::ObjectRef<GCancellable>::adopt(g_cancellable_new())) {}

WebKitCookieStore::~WebKitCookieStore() {
  g_cancellable_cancel(cancellable_.get());
}

void WebKitCookieStore::allCookies(std::function<void(std::vector<Cookie>)> completion) {
  const auto read =
      cookiesRead(webkit_cookie_manager_get_all_cookies_finish, std::move(completion));
  webkit_cookie_manager_get_all_cookies(network_.cookieManager(), cancellable_.get(), read.callback,
                                        read.data);
}

void WebKitCookieStore::cookiesForURL(const std::string& url,
                                      std::function<void(std::vector<Cookie>)> completion) {
  const auto read = cookiesRead(webkit_cookie_manager_get_cookies_finish, std::move(completion));
  webkit_cookie_manager_get_cookies(network_.cookieManager(), url.c_str(), cancellable_.get(),
                                    read.callback, read.data);
}

void WebKitCookieStore::setCookie(const Cookie& cookie, std::function<void()> completion) {
  const auto written =
      cookieWritten(webkit_cookie_manager_add_cookie_finish, std::move(completion));
  webkit_cookie_manager_add_cookie(network_.cookieManager(), soupCookieFrom(cookie).get(),
                                   cancellable_.get(), written.callback, written.data);
}

void WebKitCookieStore::deleteCookie(const Cookie& cookie, std::function<void()> completion) {
  const auto deleted =
      cookieWritten(webkit_cookie_manager_delete_cookie_finish, std::move(completion));
  webkit_cookie_manager_delete_cookie(network_.cookieManager(), soupCookieFrom(cookie).get(),
                                      cancellable_.get(), deleted.callback, deleted.data);
}

}  // namespace ondi::platform
