#include "platform/linux/SoupCookies.h"

namespace ondi::platform {
namespace {

std::string sameSiteName(SoupSameSitePolicy policy) {
  switch (policy) {
    case SOUP_SAME_SITE_POLICY_NONE:
      return "None";
    case SOUP_SAME_SITE_POLICY_LAX:
      return "Lax";
    case SOUP_SAME_SITE_POLICY_STRICT:
      return "Strict";
  }
  return "";
}

}  // namespace

Cookie cookieFromSoup(SoupCookie* cookie) {
  Cookie result;
  result.name = soup_cookie_get_name(cookie);
  result.value = soup_cookie_get_value(cookie);
  result.domain = soup_cookie_get_domain(cookie);
  const char* path = soup_cookie_get_path(cookie);
  result.path = path ? path : "";
  result.secure = soup_cookie_get_secure(cookie);
  result.httpOnly = soup_cookie_get_http_only(cookie);
  if (GDateTime* expires = soup_cookie_get_expires(cookie)) {
    result.expires = g_date_time_to_unix(expires);
  }
  result.sameSite = sameSiteName(soup_cookie_get_same_site_policy(cookie));
  return result;
}

OwnedSoupCookie soupCookieFrom(const Cookie& cookie) {
  OwnedSoupCookie owned(soup_cookie_new(cookie.name.c_str(), cookie.value.c_str(),
                                        cookie.domain.c_str(),
                                        cookie.path.empty() ? "/" : cookie.path.c_str(), -1));
  SoupCookie* result = owned.get();
  soup_cookie_set_secure(result, cookie.secure);
  soup_cookie_set_http_only(result, cookie.httpOnly);
  if (cookie.expires) {
    const glib::Owned<GDateTime, g_date_time_unref> expires(
        g_date_time_new_from_unix_utc(*cookie.expires));
    soup_cookie_set_expires(result, expires.get());
  }
  if (cookie.sameSite == "Lax") soup_cookie_set_same_site_policy(result, SOUP_SAME_SITE_POLICY_LAX);
  if (cookie.sameSite == "Strict") {
    soup_cookie_set_same_site_policy(result, SOUP_SAME_SITE_POLICY_STRICT);
  }
  if (cookie.sameSite == "None")
    soup_cookie_set_same_site_policy(result, SOUP_SAME_SITE_POLICY_NONE);
  return owned;
}

}  // namespace ondi::platform
