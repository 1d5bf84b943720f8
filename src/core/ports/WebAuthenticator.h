#pragma once

#include <expected>
#include <functional>
#include <string>

namespace ondi {

struct WebAuthenticationFailure {
  bool cancelled = false;  // the person closed the sign-in page
  std::string message;
};

// The system's web-authentication session: shows a provider's sign-in page on the shared,
// persistent browser session until it redirects to the callback scheme.
class WebAuthenticator {
 public:
  using Completion = std::function<void(std::expected<std::string, WebAuthenticationFailure>)>;

  virtual ~WebAuthenticator() = default;
  // Opens `url`; the completion receives the callback address, once, on the main loop.
  // Returns false when no session could be started (the completion is then never called).
  virtual bool start(const std::string& url, const std::string& callbackScheme,
                     Completion completion) = 0;
  virtual bool isActive() const = 0;
};

}  // namespace ondi
