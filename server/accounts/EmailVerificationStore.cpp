#include "accounts/EmailVerificationStore.h"

#include "ServiceClock.h"
#include "crypto/Digest.h"
#include "crypto/SecureRandom.h"
#include "db/Database.h"

namespace ondi::server {
namespace {

constexpr std::size_t kTokenBytes = 32;

}  // namespace

EmailVerificationStore::EmailVerificationStore(Database& database, const ServiceClock& clock)
    : database_(database), clock_(clock) {}

std::string EmailVerificationStore::issue(const SignUp& signUp) {
  const std::string token = randomBase64Url(kTokenBytes);
  database_.prepare("DELETE FROM email_verifications WHERE expires_at <= ?")
      .bind(1, clock_.now())
      .step();
  database_
      .prepare(
          "INSERT INTO email_verifications (token_hash, account_id, name, password_hash,"
          " expires_at) VALUES (?, ?, ?, ?, ?)")
      .bind(1, sha256Hex(token))
      .bind(2, signUp.accountId)
      .bind(3, signUp.name)
      .bind(4, signUp.passwordHash)
      .bind(5, clock_.now() + kLifetimeSeconds)
      .step();
  return token;
}

std::optional<EmailVerificationStore::SignUp> EmailVerificationStore::find(std::string_view token) {
  Statement query = database_.prepare(
      "SELECT account_id, name, password_hash FROM email_verifications"
      " WHERE token_hash = ? AND expires_at > ?");
  if (!query.bind(1, sha256Hex(token)).bind(2, clock_.now()).step()) return std::nullopt;
  return SignUp{.accountId = query.columnText(0),
                .name = query.columnText(1),
                .passwordHash = query.columnText(2)};
}

std::optional<EmailVerificationStore::SignUp> EmailVerificationStore::redeem(
    std::string_view token) {
  auto signUp = find(token);
  if (!signUp) {
    database_.prepare("DELETE FROM email_verifications WHERE token_hash = ? AND expires_at <= ?")
        .bind(1, sha256Hex(token))
        .bind(2, clock_.now())
        .step();
    return std::nullopt;
  }
  database_.prepare("DELETE FROM email_verifications WHERE account_id = ?")
      .bind(1, signUp->accountId)
      .step();
  return signUp;
}

}  // namespace ondi::server
