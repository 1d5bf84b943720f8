#include "http/Router.h"

#include <algorithm>
#include <set>

void Router::add(std::string_view method, std::string_view pattern, Handler handler) {
  auto route = std::ranges::find(
      routes_, pattern, [](const Route& r) -> std::string_view { return r.pattern.text(); });
  if (route == routes_.end()) {
    routes_.push_back(Route{.pattern = RoutePattern(pattern), .handlers = {}});
    route = std::prev(routes_.end());
  }
  route->handlers.insert_or_assign(std::string(method), std::move(handler));
}

Response Router::dispatch(Request request) const {
  std::set<std::string> allowed;
  for (const Route& route : routes_) {
    auto parameters = route.pattern.match(request.path);
    if (!parameters) continue;
    const auto handler = route.handlers.find(request.method);
    if (handler != route.handlers.end()) {
      request.pathParameters = std::move(*parameters);
      return handler->second(request);
    }
    for (const auto& entry : route.handlers) allowed.insert(entry.first);
  }
  if (allowed.empty()) return Response::error(404, "Not found");

  std::string allowHeader;
  for (const std::string& method : allowed) {
    allowHeader += allowHeader.empty() ? method : ", " + method;
  }
  Response response = Response::error(405, "This method is not allowed for this address.");
  response.headers.emplace_back("Allow", allowHeader);
  return response;
}
