#pragma once

#include <string>

#include "core/ports/WebAuthenticator.h"

namespace ondi::fakes {

// Records the page it was asked to show; the test finishes the session.
class FakeWebAuthenticator final : public WebAuthenticator {
 public:
  bool start(const std::string& url, const std::string& callbackScheme,
             Completion completion) override {
    if (refuses || active) return false;
    startedURL = url;
    scheme = callbackScheme;
    pending = std::move(completion);
    active = true;
    return true;
  }
  bool isActive() const override { return active; }

  void finish(std::expected<std::string, WebAuthenticationFailure> outcome) {
    active = false;
    auto completion = std::move(pending);
    completion(std::move(outcome));
  }

  bool refuses = false;
  bool active = false;
  std::string startedURL;
  std::string scheme;
  Completion pending;
};

}  // namespace ondi::fakes
