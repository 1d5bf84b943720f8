#pragma once

#include <filesystem>

namespace ondi::server {

// "$XDG_DATA_HOME/ondi-server", or "~/.local/share/ondi-server" when that variable is unset.
std::filesystem::path defaultDataDirectory();

// Creates the folder and its parents, readable by the owner only, unless it exists. Throws
// std::runtime_error with a finished sentence.
void createDataDirectory(const std::filesystem::path& directory);

}  // namespace ondi::server
