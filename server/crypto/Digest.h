#pragma once

#include <string>
#include <string_view>

namespace ondi::server {

// SHA-256 of the text's bytes, as lower-case hex: how tokens and codes are stored.
std::string sha256Hex(std::string_view text);

// SHA-256 of the text's bytes in URL-safe Base64 without padding: the PKCE "S256" challenge of a
// verifier (RFC 7636).
std::string sha256Base64Url(std::string_view text);

// SHA-256 of the text's bytes in standard Base64: the hash a Content-Security-Policy names an
// inline script by.
std::string sha256Base64(std::string_view text);

// Compares without an early exit on the first differing byte, so that the time taken does not
// tell how much of a secret matched.
bool constantTimeEquals(std::string_view a, std::string_view b);

}  // namespace ondi::server
