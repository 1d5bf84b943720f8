#pragma once

#include <string>

namespace ondi::platform {

// The text of a resource compiled into the program; empty when there is none at `path`.
std::string resourceText(const char* path);

}  // namespace ondi::platform
