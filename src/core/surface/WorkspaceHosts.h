#pragma once

#include <string>

namespace ondi {

// Which hosts and origins belong to the workspace. Every comparison is on lowercased text.
class WorkspaceHosts {
 public:
  explicit WorkspaceHosts(std::string registrableDomain);

  // The registrable domain, any subdomain of it, "localhost" or "127.0.0.1".
  bool isWorkspaceHost(const std::string& host) const;
  // A workspace host over https, or plain http on "localhost" or "127.0.0.1" only.
  bool isSecureWorkspaceOrigin(const std::string& scheme, const std::string& host) const;
  // Exactly the registrable domain, "localhost" or "127.0.0.1": subdomains are not trusted.
  bool isTrustedMediaCaptureHost(const std::string& host) const;

 private:
  std::string domain_;
};

bool isLoopbackHost(const std::string& lowercasedHost);

}  // namespace ondi
