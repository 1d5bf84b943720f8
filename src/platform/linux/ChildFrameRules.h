#pragma once

#include <string>

namespace ondi::platform {

// Content-blocker rules that stop every http(s) child frame except those of a secure
// workspace origin: https on the registrable domain or a subdomain, http or https on
// localhost and 127.0.0.1.
std::string childFrameRulesJSON(const std::string& registrableDomain);

}  // namespace ondi::platform
