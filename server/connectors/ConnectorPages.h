#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "accounts/Account.h"
#include "connectors/ConnectionStore.h"
#include "connectors/ConnectorCatalog.h"

namespace ondi::server {

// The broker's authorization page for one app: Allow or Deny, posted back to the link.
std::string authorizationPage(const ConnectorApp& app, std::string_view linkId);
// What the page shows once the choice is made.
std::string authorizationDonePage(const ConnectorApp& app, bool approved);
// A link that is unknown, used or expired.
std::string authorizationExpiredPage();

// The service's connectors page: each app with its state, and Disconnect for connected ones.
// Without an account, a sign-in link.
std::string connectorsPage(const std::optional<Account>& account,
                           const ConnectionStore::States& states);

}  // namespace ondi::server
