#pragma once

#include <string>

// The operator chat page, the same combined page the client carries; read once from the
// server's resources.
const std::string& operatorPageHtml();
