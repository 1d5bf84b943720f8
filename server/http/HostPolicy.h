#pragma once

#include <span>
#include <string_view>

namespace ondi::server {

// Whether a request's Host header names this server: one of the ports it listens on, on the host
// it was told to listen on, "localhost" or an IP address. Any other name is refused, so that a
// page whose own name an attacker points at this computer (DNS rebinding) is never answered as
// if it were one of this service's pages. A request without the header is left alone: browsers
// always send it.
bool namesThisServer(std::string_view hostHeader, std::string_view listenHost,
                     std::span<const unsigned> ports);

}  // namespace ondi::server
