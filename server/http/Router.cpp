#include "http/Router.h"

#include <algorithm>
#include <set>

namespace ondi::server {

void Router::add(std::string_view method, std::string_view pattern, Handler handler,
                 BodyFormat bodyFormat) {
  addDeferred(
      method, pattern,
      [handler = std::move(handler)](const Request& request, const Reply& reply) {
        reply(handler(request));
      },
      bodyFormat);
}

void Router::addDeferred(std::string_view method, std::string_view pattern, DeferredHandler handler,
                         BodyFormat bodyFormat) {
  auto route = std::ranges::find(
      routes_, pattern, [](const Route& r) -> std::string_view { return r.pattern.text(); });
  if (route == routes_.end()) {
    routes_.push_back(Route{.pattern = RoutePattern(pattern), .endpoints = {}});
    route = std::prev(routes_.end());
  }
  route->endpoints.insert_or_assign(
      std::string(method), Endpoint{.handler = std::move(handler), .bodyFormat = bodyFormat});
}

BodyFormat Router::bodyFormat(std::string_view method, std::string_view path) const {
  for (const Route& route : routes_) {
    if (!route.pattern.match(path)) continue;
    const auto endpoint = route.endpoints.find(method);
    if (endpoint != route.endpoints.end()) return endpoint->second.bodyFormat;
  }
  return BodyFormat::json;
}

void Router::dispatch(Request request, const Reply& reply) const {
  std::set<std::string> allowed;
  for (const Route& route : routes_) {
    auto parameters = route.pattern.match(request.path);
    if (!parameters) continue;
    const auto endpoint = route.endpoints.find(request.method);
    if (endpoint != route.endpoints.end()) {
      request.pathParameters = std::move(*parameters);
      return endpoint->second.handler(request, reply);
    }
    for (const auto& entry : route.endpoints) allowed.insert(entry.first);
  }
  if (allowed.empty()) return reply(Response::error(404, "Not found"));

  std::string allowHeader;
  for (const std::string& method : allowed) {
    allowHeader += allowHeader.empty() ? method : ", " + method;
  }
  Response response = Response::error(405, "This method is not allowed for this address.");
  response.headers.emplace_back("Allow", allowHeader);
  reply(std::move(response));
}

}  // namespace ondi::server
