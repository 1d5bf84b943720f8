#pragma once

#include <optional>
#include <string>

#include "core/origin/ServiceOrigin.h"

namespace ondi {

// The environment variable that may name the voice console page.
inline constexpr const char* kRealtimeAgentURLVariable = "VELMORA_REALTIME_AGENT_URL";

// The voice console's address: `configuredValue` when it is an absolute http(s) address, else
// "/agent.html" on `base` (the managed-browser base), else that page on the service's origin;
// with "source=mac_app", "desktop=1" and "surface=voice" added at the end of its query, each
// only when the query has no item of that name.
std::string realtimeAgentURL(const std::optional<std::string>& configuredValue,
                             const std::string& base, const ServiceOrigin& origin);

}  // namespace ondi
