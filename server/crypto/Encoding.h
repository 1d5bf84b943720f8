#pragma once

#include <span>
#include <string>

namespace ondi::server {

// URL-safe Base64 without padding, as PKCE and the session cookie use it.
std::string base64Url(std::span<const unsigned char> bytes);

// Standard Base64 with padding, as Content-Security-Policy hashes use it.
std::string base64(std::span<const unsigned char> bytes);

// Lower-case hex.
std::string hex(std::span<const unsigned char> bytes);

}  // namespace ondi::server
