#include "accounts/GoogleCodeStore.h"

#include "ServiceClock.h"
#include "crypto/Digest.h"
#include "crypto/SecureRandom.h"
#include "db/Database.h"

namespace ondi::server {
namespace {

constexpr std::size_t kCodeBytes = 32;

}  // namespace

GoogleCodeStore::GoogleCodeStore(Database& database, const ServiceClock& clock)
    : database_(database), clock_(clock) {}

std::string GoogleCodeStore::issue(std::string_view accountId, std::string_view challenge,
                                   std::string_view intent) {
  const std::string code = randomBase64Url(kCodeBytes);
  database_.prepare("DELETE FROM google_codes WHERE expires_at <= ?").bind(1, clock_.now()).step();
  database_
      .prepare(
          "INSERT INTO google_codes (code_hash, account_id, challenge, intent, expires_at)"
          " VALUES (?, ?, ?, ?, ?)")
      .bind(1, sha256Hex(code))
      .bind(2, accountId)
      .bind(3, challenge)
      .bind(4, intent)
      .bind(5, clock_.now() + kLifetimeSeconds)
      .step();
  return code;
}

std::optional<GoogleCodeStore::Grant> GoogleCodeStore::redeem(std::string_view code) {
  // Only the statement that flips "used" gets the row back, so a code is granted at most once.
  Statement used = database_.prepare(
      "UPDATE google_codes SET used = 1 WHERE code_hash = ? AND used = 0"
      " RETURNING account_id, challenge, expires_at");
  if (!used.bind(1, sha256Hex(code)).step()) return std::nullopt;
  if (used.columnInt64(2) <= clock_.now()) return std::nullopt;
  return Grant{.accountId = used.columnText(0), .challenge = used.columnText(1)};
}

}  // namespace ondi::server
