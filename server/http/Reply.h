#pragma once

#include <functional>
#include <memory>

#include "http/Response.h"

namespace ondi::server {

// Delivers the answer to one request on the server's main loop. A route that waits for other work
// (a password hash on a worker thread) keeps its copy and answers when that work is done; only the
// first answer is sent.
class Reply {
 public:
  explicit Reply(std::function<void(Response)> deliver);

  void operator()(Response response) const;

  // Answers with what the step returns. A step that throws is answered with 500, and its reason
  // goes to the log, never to the client.
  void answerWith(const std::function<Response()>& step) const;

 private:
  struct State {
    std::function<void(Response)> deliver;
    bool sent = false;
  };

  std::shared_ptr<State> state_;
};

}  // namespace ondi::server
