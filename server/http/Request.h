#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace ondi::server {

// An HTTP request as the routes see it, independent of the server library.
struct Request {
  using Fields = std::map<std::string, std::string, std::less<>>;

  std::string method;
  // The decoded path, without the query.
  std::string path;
  // The query still percent-encoded, without the '?'; empty when there is none.
  std::string query;
  // The decoded query items; a repeated name keeps its last value.
  Fields queryItems;
  // Header names in lower case; repeated headers are joined with ", ".
  Fields headers;
  std::string body;
  // The decoded fields of an "application/x-www-form-urlencoded" body; empty for other bodies.
  Fields formItems;
  // Whether the request arrived over TLS.
  bool overTls = false;
  // The IP address the request came from, as text; empty when unknown.
  std::string clientAddress;
  // The values captured by the "{name}" segments of the matched route.
  Fields pathParameters;

  std::optional<std::string> queryItem(std::string_view name) const;
};

}  // namespace ondi::server
