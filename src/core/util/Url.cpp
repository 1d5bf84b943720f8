#include "core/util/Url.h"

#include <glib.h>

#include <algorithm>
#include <utility>

#include "core/util/GlibHandles.h"

namespace ondi {
namespace {

using UriPtr = glib::Owned<GUri, g_uri_unref>;

std::string orEmpty(const char* text) {
  return text ? text : "";
}

}  // namespace

std::string asciiLowercased(std::string text) {
  std::ranges::transform(text, text.begin(), [](unsigned char c) { return g_ascii_tolower(c); });
  return text;
}

std::optional<Url> Url::parse(const std::string& text) {
  UriPtr uri(g_uri_parse(text.c_str(), G_URI_FLAGS_ENCODED, nullptr));
  if (!uri) return std::nullopt;
  // GLib reads "https://evil.example\.allowed.example/" as one host while a web engine reads
  // "evil.example": a host with a character that ends or escapes one elsewhere is no address.
  std::string host = orEmpty(g_uri_get_host(uri.get()));
  if (host.find_first_of("\\%/@#") != std::string::npos) return std::nullopt;
  Url url;
  url.text_ = glib::takeString(g_uri_to_string(uri.get()));
  url.scheme_ = orEmpty(g_uri_get_scheme(uri.get()));
  url.host_ = std::move(host);
  const int port = g_uri_get_port(uri.get());
  if (port >= 0) url.port_ = port;
  url.path_ = orEmpty(g_uri_get_path(uri.get()));
  url.query_ = orEmpty(g_uri_get_query(uri.get()));
  url.hasQuery_ = g_uri_get_query(uri.get()) != nullptr;
  url.hasFragment_ = g_uri_get_fragment(uri.get()) != nullptr;
  url.hasUserInfo_ = g_uri_get_userinfo(uri.get()) != nullptr;
  return url;
}

std::optional<Url> Url::resolve(const std::string& reference) const {
  const glib::String resolved(
      g_uri_resolve_relative(text_.c_str(), reference.c_str(), G_URI_FLAGS_ENCODED, nullptr));
  if (!resolved) return std::nullopt;
  return parse(resolved.get());
}

std::string Url::lowercasedScheme() const {
  return asciiLowercased(scheme_);
}
std::string Url::lowercasedHost() const {
  return asciiLowercased(host_);
}

}  // namespace ondi
