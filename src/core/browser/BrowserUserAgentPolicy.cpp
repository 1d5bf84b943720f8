#include "core/browser/BrowserUserAgentPolicy.h"

namespace ondi {

std::string BrowserUserAgentPolicy::userAgent(std::string_view engineUserAgent) {
  return std::string(engineUserAgent) + " " + std::string(productToken);
}

}  // namespace ondi
