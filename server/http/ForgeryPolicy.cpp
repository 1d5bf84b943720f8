#include "http/ForgeryPolicy.h"

#include <string>
#include <string_view>

#include <glib.h>

namespace ondi::server {
namespace {

constexpr std::string_view kDesktopHeaderValue = "VelmoraDesktop";

struct HostAndPort {
  std::string host;
  int port;
};

std::optional<std::string> header(const Request& request, std::string_view name) {
  const auto found = request.headers.find(name);
  if (found == request.headers.end()) return std::nullopt;
  return found->second;
}

int defaultPort(std::string_view scheme) {
  return scheme == "https" ? 443 : scheme == "http" ? 80 : -1;
}

// The host (lower case) and the port of an absolute address, the scheme's port when none is
// written. Nothing for "null", an opaque origin, and anything that is not an http(s) address.
std::optional<HostAndPort> hostAndPortOf(const std::string& address) {
  GUri* uri = g_uri_parse(address.c_str(), G_URI_FLAGS_NONE, nullptr);
  if (uri == nullptr) return std::nullopt;
  std::optional<HostAndPort> result;
  const char* scheme = g_uri_get_scheme(uri);
  const char* host = g_uri_get_host(uri);
  const int schemePort = scheme != nullptr ? defaultPort(scheme) : -1;
  if (host != nullptr && *host != '\0' && schemePort > 0) {
    gchar* lower = g_ascii_strdown(host, -1);
    const int port = g_uri_get_port(uri);
    result = HostAndPort{.host = lower, .port = port > 0 ? port : schemePort};
    g_free(lower);
  }
  g_uri_unref(uri);
  return result;
}

bool changesState(std::string_view method) {
  return method != "GET" && method != "HEAD" && method != "OPTIONS";
}

// Whether the Origin header names the host and port the request was sent to.
bool isSameOriginRequest(const Request& request) {
  const auto origin = header(request, "origin");
  const auto host = header(request, "host");
  if (!origin || !host || host->empty()) return false;
  const auto from = hostAndPortOf(*origin);
  const auto to = hostAndPortOf((request.overTls ? "https://" : "http://") + *host);
  return from && to && from->host == to->host && from->port == to->port;
}

}  // namespace

std::optional<Response> rejectForgedRequest(const Request& request) {
  if (!request.path.starts_with("/api/") || !changesState(request.method)) return std::nullopt;
  if (header(request, "x-requested-with") == kDesktopHeaderValue) return std::nullopt;
  if (isSameOriginRequest(request)) return std::nullopt;
  return Response::error(403, "This request must come from the Ondi app or an Ondi page.");
}

}  // namespace ondi::server
