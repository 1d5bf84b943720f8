#include "http/Reply.h"

#include <cstdio>
#include <exception>

namespace ondi::server {

Reply::Reply(std::function<void(Response)> deliver)
    : state_(std::make_shared<State>(State{.deliver = std::move(deliver)})) {}

void Reply::operator()(Response response) const {
  if (state_->sent) return;
  state_->sent = true;
  state_->deliver(std::move(response));
}

void Reply::answerWith(const std::function<Response()>& step) const {
  Response response;
  try {
    response = step();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "Request failed: %s\n", error.what());
    response = Response::error(500, "The server could not complete the request.");
  }
  (*this)(std::move(response));
}

}  // namespace ondi::server
