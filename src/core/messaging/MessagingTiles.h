#pragma once

#include <string>

namespace ondi {

class IMessageBridgeModel;

// What one status tile of the messaging workspace shows.
struct MessagingTile {
  std::string title;
  std::string value;
  std::string detail;
  std::string symbol;
};

// The relay, the route and the agent, as the workspace's three tiles show them.
MessagingTile relayTile(const IMessageBridgeModel& bridge);
MessagingTile routeTile(const IMessageBridgeModel& bridge);
MessagingTile agentTile(const IMessageBridgeModel& bridge);

}  // namespace ondi
