#include "core/account/Pkce.h"

#include <glib.h>

#include <algorithm>
#include <utility>

#include "core/ports/SecureRandom.h"
#include "core/util/GlibHandles.h"
#include "core/util/Url.h"

namespace ondi {
namespace {

std::string queryValue(const std::string& value) {
  return glib::takeString(g_uri_escape_string(value.c_str(), "/?:@", FALSE));
}

std::optional<std::string> withQuery(
    const std::string& base, const std::string& path,
    const std::vector<std::pair<std::string, std::string>>& items) {
  const auto url = Url::parse(base);
  const auto resolved = url ? url->resolve(path) : std::nullopt;
  if (!resolved) return std::nullopt;
  std::string query;
  for (const auto& [name, value] : items) {
    query += (query.empty() ? "?" : "&") + name + "=" + queryValue(value);
  }
  const std::string text = resolved->string();
  return text.substr(0, text.find_first_of("?#")) + query;
}

}  // namespace

std::string base64URL(const std::vector<unsigned char>& bytes) {
  std::string text = glib::takeString(g_base64_encode(bytes.data(), bytes.size()));
  std::ranges::replace(text, '+', '-');
  std::ranges::replace(text, '/', '_');
  std::erase(text, '=');
  return text;
}

std::optional<std::string> randomBase64URL(SecureRandom& random, std::size_t byteCount) {
  const auto bytes = random.bytes(byteCount);
  if (!bytes || bytes->size() != byteCount) return std::nullopt;
  return base64URL(*bytes);
}

std::string codeChallenge(const std::string& verifier) {
  std::vector<unsigned char> digest(32);
  gsize length = digest.size();
  const glib::Owned<GChecksum, g_checksum_free> checksum(g_checksum_new(G_CHECKSUM_SHA256));
  g_checksum_update(checksum.get(), reinterpret_cast<const guchar*>(verifier.data()),
                    static_cast<gssize>(verifier.size()));
  g_checksum_get_digest(checksum.get(), digest.data(), &length);
  return base64URL(digest);
}

std::optional<std::string> googleAuthorizationURL(const std::string& base, DesktopAuthIntent intent,
                                                  const std::string& challenge) {
  const bool valid = challenge.size() == 43 && std::ranges::all_of(challenge, [](unsigned char c) {
                       return g_ascii_isalnum(c) || c == '_' || c == '-';
                     });
  if (!valid) return std::nullopt;
  return withQuery(base, "/api/auth/google/start",
                   {{"intent", wireValue(intent)},
                    {"source", "macos_app"},
                    {"returnTo", "/agent.html"},
                    {"native", "macos"},
                    {"code_challenge", challenge},
                    {"code_challenge_method", "S256"}});
}

std::optional<std::string> workspaceAuthURL(const std::string& mode, const std::string& base) {
  return withQuery(base, "/auth.html",
                   {{"mode", mode}, {"returnTo", "/agent.html?source=mac_app"}});
}

}  // namespace ondi
