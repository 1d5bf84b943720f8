#pragma once

#include <optional>
#include <string>

#include "core/workspace/ConnectorEnvelopes.h"
#include "core/workspace/OperationsRecords.h"

namespace ondi {

// The status line of an app from the broker's status and its own status text.
std::string connectorStatusText(const std::string& status,
                                const std::optional<std::string>& connectionStatus);
// The accent of an app the service lists, by the first matching word of its category.
AccentTone connectorTone(const std::string& category);
// The icon of an app: by its slug, then by a data category, else a generic one.
std::string connectorSymbol(const std::string& slug, const std::string& category);

ConnectorItem connectorItem(const DesktopConnectorEnvelope::RemoteConnector& remote);

// Whether an authorization address may be opened: written with the scheme exactly "https", a
// host, and no user name or password.
bool isOpenableAuthorizationURL(const std::string& address);

}  // namespace ondi
