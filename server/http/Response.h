#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

// An HTTP answer; every answer of the server carries a JSON body.
struct Response {
  unsigned status = 200;
  nlohmann::json body = nlohmann::json::object();
  // Extra headers in order; a name may repeat (Set-Cookie).
  std::vector<std::pair<std::string, std::string>> headers;

  static Response json(unsigned status, nlohmann::json body);
  // The failure envelope {"ok": false, "error": message}.
  static Response error(unsigned status, std::string_view message);

  // The body as JSON text; bytes that are not UTF-8 (from a path or header) become U+FFFD.
  std::string bodyText() const;
};
