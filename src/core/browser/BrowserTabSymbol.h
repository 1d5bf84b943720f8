#pragma once

#include <string_view>

namespace ondi {

// The symbol a tab pill shows for its page.
enum class BrowserTabSymbol { envelope, person, folder, globe };

// Web mail gives the envelope, LinkedIn the person, Google Drive the folder, anything else the
// globe; the address is compared without regard to case.
BrowserTabSymbol browserTabSymbol(std::string_view urlString);

}  // namespace ondi
