#pragma once

#include <cstddef>
#include <string>

namespace ondi::server {

// Bytes from the system's secure random source, encoded as URL-safe Base64 without padding
// (32 bytes give 43 characters).
std::string randomBase64Url(std::size_t byteCount);

// Bytes from the system's secure random source, as lower-case hex.
std::string randomHex(std::size_t byteCount);

}  // namespace ondi::server
