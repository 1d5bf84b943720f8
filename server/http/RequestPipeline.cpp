#include "http/RequestPipeline.h"

#include <cstdio>
#include <exception>

#include "http/BodyPolicy.h"
#include "http/ForgeryPolicy.h"

namespace ondi::server {

void answerRequest(const Router& router, Request request, const Reply& reply) {
  if (auto rejection = rejectForgedRequest(request)) return reply(*std::move(rejection));
  if (auto rejection =
          rejectUnparsableBody(request, router.bodyFormat(request.method, request.path))) {
    return reply(*std::move(rejection));
  }
  try {
    router.dispatch(std::move(request), reply);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "Request failed: %s\n", error.what());
    reply(Response::error(500, "The server could not complete the request."));
  }
}

}  // namespace ondi::server
