#pragma once

#include <cstdint>
#include <string>

namespace ondi::server {

// Seconds since the Unix epoch as an ISO-8601 UTC time, for example "2025-03-01T09:30:00Z".
std::string isoTime(std::int64_t seconds);

}  // namespace ondi::server
