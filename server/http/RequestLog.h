#pragma once

#include <string>
#include <string_view>

namespace ondi::server {

// One line for the request log: method, path, status and the time taken, for example
// "GET /api/auth/session 200 0.4 ms". Control characters and non-ASCII bytes in the method or
// path are written as \xNN so that a request cannot forge or split log lines. The query is
// never passed here because it may carry secrets.
std::string formatRequestLogLine(std::string_view method, std::string_view path, unsigned status,
                                 double milliseconds);

}  // namespace ondi::server
