#pragma once

#include <deque>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/ports/HttpTransport.h"

namespace ondi::fakes {

// Records every request and leaves it waiting until the test answers it.
class FakeHttpTransport final : public HttpTransport {
 public:
  using Result = std::expected<HttpResponse, TransportError>;

  void send(const HttpRequest& request, std::function<void(Result)> completion) override {
    if (const auto standing = standingAnswers_.find(request.url);
        standing != standingAnswers_.end()) {
      return completion(standing->second);
    }
    requests.push_back(request);
    waiting_.push_back(std::move(completion));
  }

  // Answers the oldest waiting request.
  void respond(int statusCode, std::string body = {}, std::vector<Cookie> cookies = {}) {
    HttpResponse response;
    response.statusCode = statusCode;
    response.body = std::move(body);
    response.cookies = std::move(cookies);
    complete(std::move(response));
  }
  // Answers every later request for `url` at once, without recording it: for requests the
  // model makes on its own that a test is not about.
  void answerAlways(const std::string& url, int statusCode, std::string body) {
    HttpResponse response;
    response.statusCode = statusCode;
    response.body = std::move(body);
    standingAnswers_[url] = std::move(response);
  }
  void stopAnsweringAlways(const std::string& url) { standingAnswers_.erase(url); }

  void fail(std::string message) { complete(std::unexpected(TransportError{std::move(message)})); }

  std::vector<HttpRequest> requests;

 private:
  void complete(Result result) {
    if (waiting_.empty()) throw std::logic_error("no request is waiting for an answer");
    auto completion = std::move(waiting_.front());
    waiting_.pop_front();
    completion(std::move(result));
  }
  std::deque<std::function<void(Result)>> waiting_;
  std::map<std::string, HttpResponse> standingAnswers_;
};

}  // namespace ondi::fakes
