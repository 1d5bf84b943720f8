#pragma once

#include <string>

namespace ondi::server {

// The operator chat page, the same combined page the client carries; read once from the
// server's resources.
const std::string& operatorPageHtml();

}  // namespace ondi::server
