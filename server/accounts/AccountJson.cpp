#include "accounts/AccountJson.h"

nlohmann::json desktopAuthUser(const Account& account) {
  return {
      {"id", account.id},       {"name", account.name},
      {"email", account.email}, {"authProvider", account.authProvider},
      {"guest", false},
  };
}
