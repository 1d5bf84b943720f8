#include "core/payments/OnboardingAddress.h"

#include "core/surface/WorkspaceHosts.h"
#include "core/util/Url.h"

namespace ondi {

bool isSecureOnboardingAddress(const std::string& address) {
  const auto url = Url::parse(address);
  if (!url || url->host().empty() || url->hasUserOrPassword()) return false;
  const std::string scheme = url->lowercasedScheme();
  return scheme == "https" || (scheme == "http" && isLoopbackHost(url->lowercasedHost()));
}

}  // namespace ondi
