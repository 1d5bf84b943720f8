#include "core/surface/WorkspaceHosts.h"

#include "core/util/Url.h"

namespace ondi {

bool isLoopbackHost(const std::string& lowercasedHost) {
  return lowercasedHost == "localhost" || lowercasedHost == "127.0.0.1";
}

WorkspaceHosts::WorkspaceHosts(std::string registrableDomain)
    : domain_(asciiLowercased(std::move(registrableDomain))) {}

bool WorkspaceHosts::isWorkspaceHost(const std::string& host) const {
  const std::string h = asciiLowercased(host);
  if (isLoopbackHost(h)) return true;
  if (domain_.empty()) return false;
  return h == domain_ || h.ends_with("." + domain_);
}

bool WorkspaceHosts::isSecureWorkspaceOrigin(const std::string& scheme,
                                             const std::string& host) const {
  if (scheme.empty() || host.empty() || !isWorkspaceHost(host)) return false;
  const std::string s = asciiLowercased(scheme);
  return s == "https" || (s == "http" && isLoopbackHost(asciiLowercased(host)));
}

bool WorkspaceHosts::isTrustedMediaCaptureHost(const std::string& host) const {
  const std::string h = asciiLowercased(host);
  return isLoopbackHost(h) || (!domain_.empty() && h == domain_);
}

}  // namespace ondi
