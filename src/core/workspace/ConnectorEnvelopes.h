#pragma once

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

namespace ondi {

// The answer of "GET /api/connectors": the broker's state and the account's apps.
struct DesktopConnectorEnvelope {
  struct RemoteConnector {
    std::string slug;
    std::string name;
    std::string category;
    std::string status;
    // The provider's own status text.
    std::optional<std::string> connectionStatus;
  };

  bool ok = false;
  bool configured = false;
  bool available = false;
  std::optional<std::string> reason;
  long long connectedCount = 0;
  std::vector<RemoteConnector> connectors;
  std::optional<std::string> error;
};

// The answer of "POST /api/connectors/<slug>": where to authorize the app, or that it already
// is connected.
struct DesktopConnectorActionEnvelope {
  bool ok = false;
  std::optional<bool> alreadyConnected;
  std::optional<std::string> redirectUrl;
  std::optional<std::string> error;
};

void from_json(const nlohmann::json& json, DesktopConnectorEnvelope::RemoteConnector& connector);
void from_json(const nlohmann::json& json, DesktopConnectorEnvelope& envelope);
void from_json(const nlohmann::json& json, DesktopConnectorActionEnvelope& envelope);

}  // namespace ondi
