#pragma once

#include <optional>
#include <string>

#include "accounts/Account.h"

namespace ondi::server {

// The billing surface: the four plans, with the signed-in account's own marked.
std::string billingPage(const std::optional<Account>& account);

}  // namespace ondi::server
