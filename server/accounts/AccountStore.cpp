#include "accounts/AccountStore.h"

#include <string>

#include "ServiceClock.h"
#include "crypto/SecureRandom.h"
#include "db/Database.h"

namespace ondi::server {
namespace {

constexpr std::size_t kIdRandomBytes = 16;
constexpr char kFreePlan[] = "free";

void bindOptional(Statement& statement, int index, const std::optional<std::string>& value) {
  if (value) {
    statement.bind(index, *value);
  } else {
    statement.bindNull(index);
  }
}

}  // namespace

AccountStore::AccountStore(Database& database, const ServiceClock& clock)
    : database_(database), clock_(clock) {}

std::optional<Account> AccountStore::create(const NewAccount& account) {
  const std::string id = "usr_" + randomHex(kIdRandomBytes);
  Statement insert = database_.prepare(
      "INSERT INTO accounts (id, name, email, password_hash, auth_provider, google_subject, plan,"
      " email_verified, created_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING");
  insert.bind(1, id).bind(2, account.name).bind(3, account.email);
  bindOptional(insert, 4, account.passwordHash);
  insert.bind(5, account.authProvider);
  bindOptional(insert, 6, account.googleSubject);
  insert.bind(7, kFreePlan).bind(8, account.emailVerified ? 1 : 0).bind(9, clock_.now());
  insert.step();
  if (database_.changes() == 0) return std::nullopt;
  return Account{.id = id,
                 .name = account.name,
                 .email = account.email,
                 .authProvider = account.authProvider,
                 .passwordHash = account.passwordHash,
                 .emailVerified = account.emailVerified,
                 .plan = kFreePlan};
}

std::optional<Account> AccountStore::findById(std::string_view id) {
  return findWhere("id", id);
}

std::optional<Account> AccountStore::findByEmail(std::string_view email) {
  return findWhere("email", email);
}

std::optional<Account> AccountStore::findByGoogleSubject(std::string_view subject) {
  return findWhere("google_subject", subject);
}

void AccountStore::confirmSignUp(std::string_view id, std::string_view name,
                                 std::string_view passwordHash) {
  database_
      .prepare("UPDATE accounts SET name = ?, password_hash = ?, email_verified = 1 WHERE id = ?")
      .bind(1, name)
      .bind(2, passwordHash)
      .bind(3, id)
      .step();
}

std::optional<Account> AccountStore::findWhere(std::string_view column, std::string_view value) {
  Statement query = database_.prepare(
      "SELECT id, name, email, auth_provider, password_hash, email_verified, plan FROM accounts"
      " WHERE " +
      std::string(column) + " = ?");
  if (!query.bind(1, value).step()) return std::nullopt;
  return Account{
      .id = query.columnText(0),
      .name = query.columnText(1),
      .email = query.columnText(2),
      .authProvider = query.columnText(3),
      .passwordHash =
          query.columnIsNull(4) ? std::nullopt : std::optional<std::string>(query.columnText(4)),
      .emailVerified = query.columnInt64(5) != 0,
      .plan = query.columnText(6),
  };
}

}  // namespace ondi::server
