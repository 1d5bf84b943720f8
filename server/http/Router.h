#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "http/BodyFormat.h"
#include "http/Reply.h"
#include "http/Request.h"
#include "http/Response.h"
#include "http/RoutePattern.h"

namespace ondi::server {

// Maps a method and a path to the handler registered for them.
class Router {
 public:
  // Answers at once.
  using Handler = std::function<Response(const Request&)>;
  // Answers through the reply, possibly after the call has returned.
  using DeferredHandler = std::function<void(const Request&, const Reply&)>;

  // Registers a handler; a later registration of the same method and pattern replaces it.
  void add(std::string_view method, std::string_view pattern, Handler handler,
           BodyFormat bodyFormat = BodyFormat::json);
  void addDeferred(std::string_view method, std::string_view pattern, DeferredHandler handler,
                   BodyFormat bodyFormat = BodyFormat::json);

  // The body format of the handler that would answer; JSON when none would.
  BodyFormat bodyFormat(std::string_view method, std::string_view path) const;

  // Calls the matching handler with the path parameters filled in. A path no route matches
  // answers 404; a matched path without a handler for the method answers 405 with an Allow
  // header.
  void dispatch(Request request, const Reply& reply) const;

 private:
  struct Endpoint {
    DeferredHandler handler;
    BodyFormat bodyFormat;
  };
  struct Route {
    RoutePattern pattern;
    std::map<std::string, Endpoint, std::less<>> endpoints;
  };

  std::vector<Route> routes_;
};

}  // namespace ondi::server
