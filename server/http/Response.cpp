#include "http/Response.h"

#include "http/HtmlPage.h"

Response Response::json(unsigned status, nlohmann::json body) {
  return Response{.status = status, .body = std::move(body), .headers = {}, .html = std::nullopt};
}

Response Response::error(unsigned status, std::string_view message) {
  return json(status, {{"ok", false}, {"error", message}});
}

Response Response::page(unsigned status, std::string html) {
  Response response{.status = status, .body = {}, .headers = {}, .html = std::move(html)};
  response.headers = {
      {"Content-Security-Policy",
       "default-src 'none'; style-src 'unsafe-inline'; "
       "frame-ancestors 'none'"},
      {"X-Frame-Options", "DENY"},
      {"Cache-Control", "no-store"},
      {"Referrer-Policy", "no-referrer"},
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
