#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

namespace ondi::server {

// An HTTP answer. API answers carry a JSON body; the few addresses a browser opens (the Google
// stand-in, e-mail verification) answer with an HTML page or a redirect instead.
struct Response {
  unsigned status = 200;
  nlohmann::json body = nlohmann::json::object();
  // Extra headers in order; a name may repeat (Set-Cookie).
  std::vector<std::pair<std::string, std::string>> headers;
  // When set, the answer is this HTML page and the JSON body is not sent.
  std::optional<std::string> html;

  static Response json(unsigned status, nlohmann::json body);
  // The failure envelope {"ok": false, "error": message}.
  static Response error(unsigned status, std::string_view message);
  // A complete HTML document. Pages may not be framed, cached or load anything from elsewhere;
  // of their inline scripts only the page's own, whose texts are given, may run and call this
  // server, so that a script injected into the page never does.
  static Response page(unsigned status, std::string html,
                       const std::vector<std::string_view>& scripts = {});
  // 302 to the location, with a short page that links there.
  static Response redirect(std::string_view location);

  std::string contentType() const;
  // The body as sent: the page, or the JSON text in which bytes that are not UTF-8 (from a path or
  // header) become U+FFFD.
  std::string bodyText() const;
};

}  // namespace ondi::server
