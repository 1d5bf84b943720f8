#include "core/workspace/ConnectorEnvelopes.h"

#include "core/util/Json.h"

namespace ondi {

void from_json(const nlohmann::json& json, DesktopConnectorEnvelope::RemoteConnector& connector) {
  json.at("slug").get_to(connector.slug);
  json.at("name").get_to(connector.name);
  json.at("category").get_to(connector.category);
  json.at("status").get_to(connector.status);
  connector.connectionStatus = optionalField<std::string>(json, "connectionStatus");
}

void from_json(const nlohmann::json& json, DesktopConnectorEnvelope& envelope) {
  json.at("ok").get_to(envelope.ok);
  json.at("configured").get_to(envelope.configured);
  json.at("available").get_to(envelope.available);
  envelope.reason = optionalField<std::string>(json, "reason");
  json.at("connectedCount").get_to(envelope.connectedCount);
  json.at("connectors").get_to(envelope.connectors);
  envelope.error = optionalField<std::string>(json, "error");
}

void from_json(const nlohmann::json& json, DesktopConnectorActionEnvelope& envelope) {
  json.at("ok").get_to(envelope.ok);
  envelope.alreadyConnected = optionalField<bool>(json, "alreadyConnected");
  envelope.redirectUrl = optionalField<std::string>(json, "redirectUrl");
  envelope.error = optionalField<std::string>(json, "error");
}

}  // namespace ondi
