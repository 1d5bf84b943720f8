#include "routes/TestRoutes.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ServiceClock.h"
#include "http/JsonBody.h"
#include "http/Router.h"

namespace ondi::server {
namespace {

// Ten years: far beyond every expiry the service keeps.
constexpr std::int64_t kMaxClockAdvanceSeconds = 10LL * 366 * 24 * 60 * 60;
constexpr std::string_view kCookieNameSeparators = "()<>@,;:\\\"/[]?={}";

// Reflects the request as the server received it.
Response echo(const Request& request) {
  return Response::json(200, {{"method", request.method},
                              {"path", request.path},
                              {"query", request.query},
                              {"headers", request.headers},
                              {"body", request.body}});
}

bool isControlOrSpace(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte <= 0x20 || byte == 0x7f;
}

bool isCookieName(std::string_view name) {
  if (name.empty()) return false;
  for (const char c : name) {
    if (isControlOrSpace(c) || kCookieNameSeparators.find(c) != std::string_view::npos) {
      return false;
    }
  }
  return true;
}

// Cookie values and attribute values: no controls, spaces, semicolons, commas, quotes or
// backslashes, so that nothing can end the header or add attributes.
bool isCookieText(std::string_view text) {
  for (const char c : text) {
    if (isControlOrSpace(c) || c == ';' || c == ',' || c == '"' || c == '\\') return false;
  }
  return true;
}

bool isFlagSet(const Request& request, std::string_view name) {
  return request.queryItem(name) == "1";
}

std::optional<std::string> setCookieHeader(const Request& request) {
  const auto name = request.queryItem("name");
  const auto value = request.queryItem("value");
  if (!name || !value || !isCookieName(*name) || !isCookieText(*value)) return std::nullopt;
  const std::string path = request.queryItem("path").value_or("/");
  if (path.empty() || !isCookieText(path)) return std::nullopt;
  std::string header = *name + "=" + *value + "; Path=" + path;
  if (const auto domain = request.queryItem("domain")) {
    if (domain->empty() || !isCookieText(*domain)) return std::nullopt;
    header += "; Domain=" + *domain;
  }
  if (isFlagSet(request, "secure")) header += "; Secure";
  if (isFlagSet(request, "httponly")) header += "; HttpOnly";
  return header;
}

Response setCookie(const Request& request) {
  const auto header = setCookieHeader(request);
  if (!header) {
    return Response::error(400, "The cookie needs a valid name and value, and valid attributes.");
  }
  Response response = Response::json(200, {{"ok", true}});
  response.headers.emplace_back("Set-Cookie", *header);
  return response;
}

std::optional<unsigned> statusCode(const Request& request) {
  const std::string text = request.queryItem("code").value_or("");
  unsigned code = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (code < 200 || code > 599) return std::nullopt;
  return code;
}

Response status(const Request& request) {
  const auto code = statusCode(request);
  if (!code) return Response::error(400, "The code must be a status from 200 to 599.");
  return Response::error(*code, "status " + std::to_string(*code));
}

std::optional<std::int64_t> advanceSeconds(const Request& request) {
  const auto body = jsonObjectBody(request);
  if (!body) return std::nullopt;
  const auto seconds = body->find("advanceSeconds");
  if (seconds == body->end() || !seconds->is_number_integer()) return std::nullopt;
  const auto value = seconds->get<std::int64_t>();
  if (value < 0 || value > kMaxClockAdvanceSeconds) return std::nullopt;
  return value;
}

Response advanceClock(ServiceClock& clock, const Request& request) {
  const auto seconds = advanceSeconds(request);
  if (!seconds) {
    return Response::error(400, "Send {\"advanceSeconds\": N} with N from 0 to ten years.");
  }
  clock.advance(*seconds);
  return Response::json(200, {{"ok", true}, {"offsetSeconds", clock.offset()}});
}

}  // namespace

void addTestRoutes(Router& router, ServiceClock& clock) {
  for (const char* method : {"GET", "POST", "PUT", "DELETE"}) {
    router.add(method, "/api/test/echo", echo);
  }
  router.add("GET", "/api/test/set-cookie", setCookie);
  router.add("GET", "/api/test/status", status);
  router.add("POST", "/api/test/clock",
             [&clock](const Request& request) { return advanceClock(clock, request); });
}

}  // namespace ondi::server
