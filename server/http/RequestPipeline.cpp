#include "http/RequestPipeline.h"

#include <cstdio>
#include <exception>

#include "http/BodyPolicy.h"

Response answerRequest(const Router& router, Request request) {
  if (auto rejection =
          rejectUnparsableBody(request, router.bodyFormat(request.method, request.path)))
    return *std::move(rejection);
  try {
    return router.dispatch(std::move(request));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "Request failed: %s\n", error.what());
    return Response::error(500, "The server could not complete the request.");
  }
}
