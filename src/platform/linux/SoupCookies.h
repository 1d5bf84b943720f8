#pragma once

#include <libsoup/soup.h>

#include "core/ports/Cookie.h"

namespace ondi::platform {

// Conversions between libsoup's cookies and the core's.
Cookie cookieFromSoup(SoupCookie* cookie);
// A new SoupCookie; the caller frees it with soup_cookie_free.
SoupCookie* soupCookieFrom(const Cookie& cookie);

}  // namespace ondi::platform
