#include "core/browser/BrowserTabSymbol.h"

#include <string>

#include "core/navigation/WebDestinations.h"
#include "core/util/Url.h"

namespace ondi {

BrowserTabSymbol browserTabSymbol(std::string_view urlString) {
  const std::string url = asciiLowercased(std::string(urlString));
  if (url.contains(WebDestinations::gmailHost)) return BrowserTabSymbol::envelope;
  if (url.contains("linkedin")) return BrowserTabSymbol::person;
  if (url.contains(WebDestinations::googleDriveHost)) return BrowserTabSymbol::folder;
  return BrowserTabSymbol::globe;
}

}  // namespace ondi
