#pragma once

#include <string_view>

namespace ondi::server {

// A path on this service, never another site: "/" followed by anything but "/" or "\", without
// control characters, at most 2048 characters. Pages only ever send people back to such a path.
bool isLocalPath(std::string_view path);

}  // namespace ondi::server
