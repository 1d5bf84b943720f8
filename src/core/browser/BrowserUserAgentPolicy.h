#pragma once

#include <string>
#include <string_view>

namespace ondi {

// The identity every web view presents to sites: the engine's own user agent, which already
// names the Safari version it is compatible with, followed by the client's product token. The
// token names the browser identity, not the program's version.
class BrowserUserAgentPolicy {
 public:
  BrowserUserAgentPolicy() = delete;

  static constexpr std::string_view productToken = "VelmoraDesktop/1.0";

  // `engineUserAgent`, a space and the product token.
  static std::string userAgent(std::string_view engineUserAgent);
};

}  // namespace ondi
