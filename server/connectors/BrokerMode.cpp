#include "connectors/BrokerMode.h"

namespace ondi::server {

std::optional<BrokerMode> brokerMode(std::string_view name) {
  if (name == "ready") return BrokerMode::ready;
  if (name == "not-configured") return BrokerMode::notConfigured;
  if (name == "unavailable") return BrokerMode::unavailable;
  return std::nullopt;
}

}  // namespace ondi::server
