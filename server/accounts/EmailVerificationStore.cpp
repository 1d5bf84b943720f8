#include "accounts/EmailVerificationStore.h"

#include "ServiceClock.h"
#include "crypto/Digest.h"
#include "crypto/SecureRandom.h"
#include "db/Database.h"

namespace {

constexpr std::size_t kTokenBytes = 32;

}  // namespace

EmailVerificationStore::EmailVerificationStore(Database& database, const ServiceClock& clock)
    : database_(database), clock_(clock) {}

std::string EmailVerificationStore::issue(std::string_view accountId) {
  const std::string token = randomBase64Url(kTokenBytes);
  database_.prepare("DELETE FROM email_verifications WHERE expires_at <= ?")
      .bind(1, clock_.now())
      .step();
  database_
      .prepare(
          "INSERT INTO email_verifications (token_hash, account_id, expires_at) VALUES (?, ?, ?)")
      .bind(1, sha256Hex(token))
      .bind(2, accountId)
      .bind(3, clock_.now() + kLifetimeSeconds)
      .step();
  return token;
}

std::optional<std::string> EmailVerificationStore::redeem(std::string_view token) {
  const std::string tokenHash = sha256Hex(token);
  Statement query = database_.prepare(
      "SELECT account_id, expires_at FROM email_verifications WHERE token_hash = ?");
  if (!query.bind(1, tokenHash).step()) return std::nullopt;
  if (query.columnInt64(1) <= clock_.now()) {
    database_.prepare("DELETE FROM email_verifications WHERE token_hash = ?")
        .bind(1, tokenHash)
        .step();
    return std::nullopt;
  }
  const std::string accountId = query.columnText(0);
  database_.prepare("DELETE FROM email_verifications WHERE account_id = ?")
      .bind(1, accountId)
      .step();
  return accountId;
}
