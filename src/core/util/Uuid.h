#pragma once

#include <string>

namespace ondi {

// A random (version 4) UUID in its upper-case text form.
std::string newUUID();

}  // namespace ondi
