#include "accounts/GoogleRequestStore.h"

#include "ServiceClock.h"
#include "crypto/Digest.h"
#include "crypto/SecureRandom.h"
#include "db/Database.h"

namespace ondi::server {
namespace {

constexpr std::size_t kIdBytes = 32;

}  // namespace

GoogleRequestStore::GoogleRequestStore(Database& database, const ServiceClock& clock)
    : database_(database), clock_(clock) {}

std::int64_t GoogleRequestStore::pendingCount() {
  database_.prepare("DELETE FROM google_auth_requests WHERE expires_at <= ?")
      .bind(1, clock_.now())
      .step();
  Statement count = database_.prepare("SELECT count(*) FROM google_auth_requests");
  count.step();
  return count.columnInt64(0);
}

std::string GoogleRequestStore::open(const Pending& request) {
  const std::string id = randomBase64Url(kIdBytes);
  const std::int64_t now = clock_.now();
  database_
      .prepare(
          "INSERT INTO google_auth_requests (request_hash, intent, challenge, expires_at)"
          " VALUES (?, ?, ?, ?)")
      .bind(1, sha256Hex(id))
      .bind(2, request.intent)
      .bind(3, request.challenge)
      .bind(4, now + kLifetimeSeconds)
      .step();
  return id;
}

std::optional<GoogleRequestStore::Pending> GoogleRequestStore::take(std::string_view id) {
  Statement taken = database_.prepare(
      "DELETE FROM google_auth_requests WHERE request_hash = ?"
      " RETURNING intent, challenge, expires_at");
  if (!taken.bind(1, sha256Hex(id)).step()) return std::nullopt;
  if (taken.columnInt64(2) <= clock_.now()) return std::nullopt;
  return Pending{.intent = taken.columnText(0), .challenge = taken.columnText(1)};
}

}  // namespace ondi::server
