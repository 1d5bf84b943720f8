#include "http/Response.h"

#include "crypto/Digest.h"
#include "http/HtmlPage.h"

namespace ondi::server {
namespace {

// Nothing may load from elsewhere, and no script runs but the page's own inline ones, each named
// by the hash of its known text; those may call this server only.
std::string contentSecurityPolicy(const std::vector<std::string_view>& scriptTexts) {
  std::string policy = "default-src 'none'; style-src 'unsafe-inline'; frame-ancestors 'none'";
  std::string scripts;
  for (const std::string_view text : scriptTexts) {
    scripts += " 'sha256-" + sha256Base64(text) + "'";
  }
  if (!scripts.empty()) policy += "; script-src" + scripts + "; connect-src 'self'";
  return policy;
}

}  // namespace

Response Response::json(unsigned status, nlohmann::json body) {
  return Response{.status = status, .body = std::move(body), .headers = {}, .html = std::nullopt};
}

Response Response::error(unsigned status, std::string_view message) {
  return json(status, {{"ok", false}, {"error", message}});
}

Response Response::page(unsigned status, std::string html,
                        const std::vector<std::string_view>& scripts) {
  Response response{.status = status, .body = {}, .headers = {}, .html = std::move(html)};
  response.headers = {
      {"Content-Security-Policy", contentSecurityPolicy(scripts)},
      {"X-Frame-Options", "DENY"},
      {"Cache-Control", "no-store"},
      // Forms on these pages post to this server, and a browser names the page's origin in such
      // a post only when the referrer policy lets it: other sites still learn nothing.
      {"Referrer-Policy", "same-origin"},
  };
  return response;
}

Response Response::redirect(std::string_view location) {
  const std::string link = escapeHtml(location);
  Response response =
      page(302, htmlDocument("Redirecting", "<p><a href=\"" + link + "\">Continue</a></p>"));
  response.headers.emplace_back("Location", std::string(location));
  return response;
}

std::string Response::contentType() const {
  return html ? "text/html; charset=utf-8" : "application/json";
}

std::string Response::bodyText() const {
  if (html) return *html;
  return body.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace ondi::server
