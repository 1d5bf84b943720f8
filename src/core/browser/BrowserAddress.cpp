#include "core/browser/BrowserAddress.h"

#include <glib.h>

#include "core/navigation/WebDestinations.h"
#include "core/util/GlibHandles.h"
#include "core/util/Text.h"
#include "core/util/Url.h"

namespace ondi {
namespace {

// Every character outside the unreserved set is escaped, so that "+", "&", "#" and "="
// reach the search as typed instead of splitting or ending the query.
std::string escapedQueryValue(const std::string& value) {
  return glib::takeString(g_uri_escape_string(value.c_str(), nullptr, FALSE));
}

}  // namespace

std::optional<std::string> browserURL(std::string_view text) {
  const std::string trimmed = trimmedWhitespace(text);
  if (trimmed.empty()) return std::nullopt;
  if (const auto url = Url::parse(trimmed)) {
    const std::string scheme = url->lowercasedScheme();
    if (scheme == "http" || scheme == "https") return trimmed;
  }
  if (trimmed.contains('.') && !trimmed.contains(' ')) {
    const std::string https = "https://" + trimmed;
    if (Url::parse(https)) return https;
    return std::nullopt;
  }
  return std::string(WebDestinations::googleSearch) + "?q=" + escapedQueryValue(trimmed);
}

}  // namespace ondi
