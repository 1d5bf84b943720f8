#include "platform/linux/WebKitCookieStore.h"

#include <memory>

#include "platform/linux/SoupCookies.h"
#include "platform/linux/WebKitNetwork.h"

namespace ondi::platform {
namespace {

using Done = std::function<void()>;

// True when the operation was cancelled because the store is going away.
bool cancelled(GError* error) {
  const bool wasCancelled = g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED);
  g_clear_error(&error);
  return wasCancelled;
}

void cookieWritten(GObject* source, GAsyncResult* result, gpointer data) {
  std::unique_ptr<Done> done(static_cast<Done*>(data));
  GError* error = nullptr;
  // A failed write leaves the jar as it was; the next request simply goes without it.
  webkit_cookie_manager_add_cookie_finish(WEBKIT_COOKIE_MANAGER(source), result, &error);
  if (!cancelled(error)) (*done)();
}

void cookieDeleted(GObject* source, GAsyncResult* result, gpointer data) {
  std::unique_ptr<Done> done(static_cast<Done*>(data));
  GError* error = nullptr;
  webkit_cookie_manager_delete_cookie_finish(WEBKIT_COOKIE_MANAGER(source), result, &error);
  if (!cancelled(error)) (*done)();
}

using CookiesRead = std::function<void(std::vector<Cookie>)>;
using ReadFinish = GList* (*)(WebKitCookieManager*, GAsyncResult*, GError**);

// Hands the list a cookie read finished with to its completion; a failed read reads as empty.
void cookiesRead(ReadFinish finish, GObject* source, GAsyncResult* result, gpointer data) {
  std::unique_ptr<CookiesRead> done(static_cast<CookiesRead*>(data));
  GError* error = nullptr;
  GList* list = finish(WEBKIT_COOKIE_MANAGER(source), result, &error);
  if (cancelled(error)) return;
  std::vector<Cookie> cookies;
  for (GList* item = list; item; item = item->next) {
    cookies.push_back(cookieFromSoup(static_cast<SoupCookie*>(item->data)));
  }
  g_list_free_full(list, reinterpret_cast<GDestroyNotify>(soup_cookie_free));
  (*done)(std::move(cookies));
}

}  // namespace

WebKitCookieStore::WebKitCookieStore(WebKitNetwork& network)
    : network_(network), cancellable_(g_cancellable_new()) {}

WebKitCookieStore::~WebKitCookieStore() {
  g_cancellable_cancel(cancellable_);
  g_object_unref(cancellable_);
}

void WebKitCookieStore::allCookies(std::function<void(std::vector<Cookie>)> completion) {
  webkit_cookie_manager_get_all_cookies(
      network_.cookieManager(), cancellable_,
      [](GObject* source, GAsyncResult* result, gpointer data) {
        cookiesRead(webkit_cookie_manager_get_all_cookies_finish, source, result, data);
      },
      new CookiesRead(std::move(completion)));
}

void WebKitCookieStore::cookiesForURL(const std::string& url,
                                      std::function<void(std::vector<Cookie>)> completion) {
  webkit_cookie_manager_get_cookies(
      network_.cookieManager(), url.c_str(), cancellable_,
      [](GObject* source, GAsyncResult* result, gpointer data) {
        cookiesRead(webkit_cookie_manager_get_cookies_finish, source, result, data);
      },
      new CookiesRead(std::move(completion)));
}

void WebKitCookieStore::setCookie(const Cookie& cookie, std::function<void()> completion) {
  SoupCookie* soupCookie = soupCookieFrom(cookie);
  webkit_cookie_manager_add_cookie(network_.cookieManager(), soupCookie, cancellable_,
                                   cookieWritten, new Done(std::move(completion)));
  soup_cookie_free(soupCookie);
}

void WebKitCookieStore::deleteCookie(const Cookie& cookie, std::function<void()> completion) {
  SoupCookie* soupCookie = soupCookieFrom(cookie);
  webkit_cookie_manager_delete_cookie(network_.cookieManager(), soupCookie, cancellable_,
                                      cookieDeleted, new Done(std::move(completion)));
  soup_cookie_free(soupCookie);
}

}  // namespace ondi::platform
