#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include <nlohmann/json.hpp>

namespace ondi::server {

// Writes the iMessage relay's heartbeat file as the relay does: {"status", "online",
// "lastHeartbeatAt"} with the stamp in whole seconds, UTC. The file is replaced atomically, so
// that a reader never sees half of it. Returns what was written; throws std::runtime_error with a
// finished sentence when the file cannot be written.
nlohmann::json writeRelayHeartbeat(const std::filesystem::path& file, std::string_view status,
                                   bool online, std::int64_t heartbeatAt);

}  // namespace ondi::server
