#include "accounts/AccountJson.h"

namespace ondi::server {

nlohmann::json desktopAuthUser(const Account& account) {
  return {
      {"id", account.id},       {"name", account.name},
      {"email", account.email}, {"authProvider", account.authProvider},
      {"guest", false},
  };
}

}  // namespace ondi::server
