#include "http/HostPolicy.h"

#include <gio/gio.h>

#include <algorithm>
#include <charconv>
#include <string>

namespace ondi::server {

bool namesThisServer(std::string_view hostHeader, std::string_view listenHost,
                     std::span<const unsigned> ports) {
  // "name:port" or "[v6 address]:port"; the port is always given for the ports this server uses.
  std::string_view name;
  std::string_view portText;
  if (hostHeader.starts_with('[')) {
    const std::size_t close = hostHeader.find(']');
    if (close == std::string_view::npos) return false;
    name = hostHeader.substr(1, close - 1);
    const std::string_view rest = hostHeader.substr(close + 1);
    if (!rest.starts_with(':')) return false;
    portText = rest.substr(1);
  } else {
    const std::size_t colon = hostHeader.rfind(':');
    if (colon == std::string_view::npos) return false;
    name = hostHeader.substr(0, colon);
    portText = hostHeader.substr(colon + 1);
  }
  unsigned port = 0;
  const auto [end, error] =
      std::from_chars(portText.data(), portText.data() + portText.size(), port);
  if (portText.empty() || error != std::errc() || end != portText.data() + portText.size() ||
      std::ranges::find(ports, port) == ports.end()) {
    return false;
  }
  const std::string host(name);
  return !host.empty() && (g_ascii_strcasecmp(host.c_str(), std::string(listenHost).c_str()) == 0 ||
                           g_ascii_strcasecmp(host.c_str(), "localhost") == 0 ||
                           g_hostname_is_ip_address(host.c_str()));
}

}  // namespace ondi::server
