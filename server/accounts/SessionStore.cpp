#include "accounts/SessionStore.h"

#include "ServiceClock.h"
#include "crypto/Digest.h"
#include "crypto/SecureRandom.h"
#include "db/Database.h"

namespace ondi::server {
namespace {

constexpr std::size_t kTokenBytes = 32;

}  // namespace

SessionStore::SessionStore(Database& database, const ServiceClock& clock)
    : database_(database), clock_(clock) {}

std::string SessionStore::start(std::string_view accountId) {
  const std::string token = randomBase64Url(kTokenBytes);
  const std::int64_t now = clock_.now();
  database_.prepare("DELETE FROM sessions WHERE expires_at <= ?").bind(1, now).step();
  database_
      .prepare(
          "INSERT INTO sessions (token_hash, account_id, created_at, expires_at)"
          " VALUES (?, ?, ?, ?)")
      .bind(1, sha256Hex(token))
      .bind(2, accountId)
      .bind(3, now)
      .bind(4, now + kLifetimeSeconds)
      .step();
  return token;
}

std::optional<std::string> SessionStore::accountFor(std::string_view token) {
  const std::string tokenHash = sha256Hex(token);
  Statement query =
      database_.prepare("SELECT account_id, expires_at FROM sessions WHERE token_hash = ?");
  if (!query.bind(1, tokenHash).step()) return std::nullopt;
  if (query.columnInt64(1) > clock_.now()) return query.columnText(0);
  end(token);
  return std::nullopt;
}

void SessionStore::end(std::string_view token) {
  database_.prepare("DELETE FROM sessions WHERE token_hash = ?").bind(1, sha256Hex(token)).step();
}

}  // namespace ondi::server
