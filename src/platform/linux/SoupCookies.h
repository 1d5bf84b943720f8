#pragma once

#include <libsoup/soup.h>

#include "core/ports/Cookie.h"
#include "core/util/GlibHandles.h"

namespace ondi::platform {

using OwnedSoupCookie = glib::Owned<SoupCookie, soup_cookie_free>;

// Conversions between libsoup's cookies and the core's.
Cookie cookieFromSoup(SoupCookie* cookie);
OwnedSoupCookie soupCookieFrom(const Cookie& cookie);

}  // namespace ondi::platform
