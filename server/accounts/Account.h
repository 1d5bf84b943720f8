#pragma once

#include <optional>
#include <string>

namespace ondi::server {

// One account of the service as stored.
struct Account {
  std::string id;
  std::string name;
  std::string email;
  // "email" or "google".
  std::string authProvider;
  // Absent for accounts that sign in with Google only.
  std::optional<std::string> passwordHash;
  bool emailVerified = false;
  // "free" unless the account has moved to a paid plan.
  std::string plan;
};

// What creating an account needs.
struct NewAccount {
  std::string name;
  // Normalised (see normalizedEmail).
  std::string email;
  std::optional<std::string> passwordHash;
  std::string authProvider;
  std::optional<std::string> googleSubject;
  bool emailVerified = false;
};

}  // namespace ondi::server
