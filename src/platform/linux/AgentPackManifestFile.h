#pragma once

#include <optional>
#include <string>

namespace ondi::platform {

// The text of "agent-packs.json" beside the program, or else in the installed data folder;
// none when neither is there or readable.
std::optional<std::string> readAgentPackManifest();

}  // namespace ondi::platform
