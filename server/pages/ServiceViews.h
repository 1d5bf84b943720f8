#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ondi::server {

// The small pages "/page.html?view=…" shows for the views the app opens other than the account:
// "industries", "skills-library", "contact" and "pricing". Nothing for any other view.
std::optional<std::string> serviceViewPage(std::string_view view);

}  // namespace ondi::server
