#include "runs/RunnerAddress.h"

#include <algorithm>

namespace ondi::server {
namespace {

// Host names, IPv4 and bracketed IPv6 addresses, with an optional port.
bool isHostText(std::string_view host) {
  return !host.empty() && std::ranges::all_of(host, [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-' || c == ':' || c == '[' || c == ']';
  });
}

}  // namespace

std::string controlPagePath(std::string_view sessionId) {
  return "/v1/sessions/" + std::string(sessionId) + "/control";
}

std::string controlPageUrl(const Request& request, std::string_view sessionId) {
  const auto host = request.headers.find("host");
  if (host == request.headers.end() || !isHostText(host->second)) {
    return controlPagePath(sessionId);
  }
  return std::string(request.overTls ? "https://" : "http://") + host->second +
         controlPagePath(sessionId);
}

}  // namespace ondi::server
