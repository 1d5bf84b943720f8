#include "auth/SessionCookie.h"

#include "accounts/SessionStore.h"
#include "accounts/TextInput.h"

namespace ondi::server {
namespace {

std::string attributes(const Request& request) {
  return std::string("; Path=/; HttpOnly; SameSite=Lax") + (request.overTls ? "; Secure" : "");
}

}  // namespace

std::optional<std::string> sessionToken(const Request& request) {
  const auto header = request.headers.find("cookie");
  if (header == request.headers.end()) return std::nullopt;
  // Cookies are separated by ";", and repeated Cookie headers arrive joined with ",", which no
  // cookie value may contain.
  std::string_view rest = header->second;
  while (!rest.empty()) {
    const std::size_t end = rest.find_first_of(";,");
    const std::string pair = trimmed(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    const std::size_t equals = pair.find('=');
    if (equals != std::string::npos && pair.substr(0, equals) == kSessionCookieName) {
      return pair.substr(equals + 1);
    }
  }
  return std::nullopt;
}

std::string sessionCookie(std::string_view token, const Request& request) {
  return std::string(kSessionCookieName) + "=" + std::string(token) +
         "; Max-Age=" + std::to_string(SessionStore::kLifetimeSeconds) + attributes(request);
}

std::string expiredSessionCookie(const Request& request) {
  return std::string(kSessionCookieName) + "=; Max-Age=0; Expires=Thu, 01 Jan 1970 00:00:00 GMT" +
         attributes(request);
}

}  // namespace ondi::server
