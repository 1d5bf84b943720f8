#pragma once

#include <optional>
#include <string_view>

namespace ondi::server {

// How the stand-in app broker behaves: working, not set up on this server, or set up but not
// answering.
enum class BrokerMode { ready, notConfigured, unavailable };

// "ready", "not-configured" or "unavailable".
std::optional<BrokerMode> brokerMode(std::string_view name);

}  // namespace ondi::server
