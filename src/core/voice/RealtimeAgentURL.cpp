#include "core/voice/RealtimeAgentURL.h"

#include <glib.h>

#include <array>
#include <utility>

#include "core/util/GlibHandles.h"
#include "core/util/Text.h"
#include "core/util/Url.h"

namespace ondi {
namespace {

using UriPtr = glib::Owned<GUri, g_uri_unref>;

bool isWebAddress(const Url& url) {
  const std::string scheme = url.lowercasedScheme();
  return (scheme == "http" || scheme == "https") && !url.host().empty();
}

// The decoded name of every item of `query`; an item without "=" is all name.
bool hasItemNamed(const std::string& query, const std::string& name) {
  std::size_t start = 0;
  while (start <= query.size()) {
    const std::size_t end = std::min(query.find('&', start), query.size());
    const std::string item = query.substr(start, end - start);
    const std::string encodedName = item.substr(0, item.find('='));
    const glib::String decoded(g_uri_unescape_string(encodedName.c_str(), nullptr));
    if ((decoded ? std::string(decoded.get()) : encodedName) == name) return true;
    start = end + 1;
  }
  return false;
}

// `url` with the console's query items it lacks; none when the address cannot be rebuilt.
std::optional<std::string> withConsoleQuery(const std::string& url) {
  static constexpr std::array<std::pair<const char*, const char*>, 3> kItems{
      {{"source", "mac_app"}, {"desktop", "1"}, {"surface", "voice"}}};
  const UriPtr uri(g_uri_parse(url.c_str(), G_URI_FLAGS_ENCODED, nullptr));
  if (!uri) return std::nullopt;
  const char* existing = g_uri_get_query(uri.get());
  std::string query = existing ? existing : "";
  for (const auto& [name, value] : kItems) {
    if (existing && hasItemNamed(existing, name)) continue;
    query += (query.empty() ? "" : "&") + std::string(name) + "=" + value;
  }
  const glib::String joined(g_uri_join(G_URI_FLAGS_ENCODED, g_uri_get_scheme(uri.get()),
                                       g_uri_get_userinfo(uri.get()), g_uri_get_host(uri.get()),
                                       g_uri_get_port(uri.get()), g_uri_get_path(uri.get()),
                                       query.c_str(), g_uri_get_fragment(uri.get())));
  if (!joined) return std::nullopt;
  return std::string(joined.get());
}

}  // namespace

std::string realtimeAgentURL(const std::optional<std::string>& configuredValue,
                             const std::string& base, const ServiceOrigin& origin) {
  std::string address = origin.url("/agent.html?source=mac_app&desktop=1&surface=voice");
  if (const auto baseURL = Url::parse(base)) {
    if (const auto page = baseURL->resolve("/agent.html")) address = page->string();
  }
  if (configuredValue) {
    // Only a web page can be the console; anything else falls back to the service's own.
    const auto configured = Url::parse(trimmedWhitespace(*configuredValue));
    if (configured && isWebAddress(*configured)) address = configured->string();
  }
  return withConsoleQuery(address).value_or(address);
}

}  // namespace ondi
