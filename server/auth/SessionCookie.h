#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "http/Request.h"

namespace ondi::server {

inline constexpr std::string_view kSessionCookieName = "velmora_session";

// The value of the session cookie the request carries, if any.
std::optional<std::string> sessionToken(const Request& request);

// The Set-Cookie value that keeps the session for 30 days: HttpOnly, SameSite=Lax, Path=/, and
// Secure when the request came over TLS.
std::string sessionCookie(std::string_view token, const Request& request);

// The Set-Cookie value that removes the session cookie.
std::string expiredSessionCookie(const Request& request);

}  // namespace ondi::server
