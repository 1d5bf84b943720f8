#pragma once

#include <chrono>
#include <filesystem>

namespace ondi {

class Environment;

// The Messages relay as its heartbeat file shows it.
enum class RelayChannelState { checking, running, stopped, unavailable };

// VELMORA_RELAY_HEARTBEAT_FILE (a leading "~" is the home folder), else
// ~/.velmora/imessage-relay-health.json.
std::filesystem::path relayHeartbeatPath(const Environment& environment);

// Running when the file says the relay is online and watching with a heartbeat at most 60
// seconds old (whole-second internet time); stopped when it says otherwise; unavailable when
// the file is missing or is not a JSON object.
RelayChannelState readRelayHeartbeat(const std::filesystem::path& file,
                                     std::chrono::system_clock::time_point now);

}  // namespace ondi
