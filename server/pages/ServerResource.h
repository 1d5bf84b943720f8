#pragma once

#include <string>
#include <string_view>

namespace ondi::server {

// The text of a file compiled into the server under "/com/velmora/ondi-server/"; throws when the
// build left it out.
std::string serverResourceText(std::string_view name);

}  // namespace ondi::server
