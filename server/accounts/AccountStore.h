#pragma once

#include <optional>
#include <string_view>

#include "accounts/Account.h"

namespace ondi::server {

class Database;
class ServiceClock;
class Statement;

// The accounts table. Every new account starts on the free plan.
class AccountStore {
 public:
  AccountStore(Database& database, const ServiceClock& clock);

  // Creates the account with a fresh "usr_" id. Nothing when its e-mail address or Google subject
  // already belongs to an account.
  std::optional<Account> create(const NewAccount& account);

  std::optional<Account> findById(std::string_view id);
  std::optional<Account> findByEmail(std::string_view email);
  std::optional<Account> findByGoogleSubject(std::string_view subject);

  // Confirms the account's address and makes the confirmed sign-up's name and password the
  // account's.
  void confirmSignUp(std::string_view id, std::string_view name, std::string_view passwordHash);

 private:
  std::optional<Account> findWhere(std::string_view column, std::string_view value);

  Database& database_;
  const ServiceClock& clock_;
};

}  // namespace ondi::server
