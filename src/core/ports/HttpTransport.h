#pragma once

#include <chrono>
#include <expected>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/ports/Cookie.h"

namespace ondi {

using HttpHeaders = std::vector<std::pair<std::string, std::string>>;

struct HttpRequest {
  std::string url;
  std::string method = "GET";
  HttpHeaders headers;
  std::optional<std::string> body;
  std::chrono::milliseconds timeout{20000};
};

struct HttpResponse {
  int statusCode = 0;
  HttpHeaders headers;
  std::string body;
  // The cookies the response sets, parsed for the request URL by the platform's parser.
  std::vector<Cookie> cookies;
};

// A transport failure (no connection, time-out, TLS): the platform's own description.
struct TransportError {
  std::string message;
};

// Sends one request, with no cookie jar of its own. Redirects are not followed: a 3xx arrives
// as the response like any other status, so headers set for one address never reach another.
// The completion runs once, on the main loop.
class HttpTransport {
 public:
  virtual ~HttpTransport() = default;
  virtual void send(
      const HttpRequest& request,
      std::function<void(std::expected<HttpResponse, TransportError>)> completion) = 0;
};

}  // namespace ondi
