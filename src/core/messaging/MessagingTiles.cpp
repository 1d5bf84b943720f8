#include "core/messaging/MessagingTiles.h"

#include "core/messaging/IMessageBridgeModel.h"

namespace ondi {

MessagingTile relayTile(const IMessageBridgeModel& bridge) {
  MessagingTile tile{"Messages relay", "", "Relay is starting, retrying, stale, or offline", ""};
  switch (bridge.channelState.get()) {
    case RelayChannelState::checking:
      tile.value = "Checking";
      tile.symbol = "ellipsis";
      break;
    case RelayChannelState::running:
      tile.value = "Online";
      tile.symbol = "checkmark.circle.fill";
      tile.detail = "Ondi relay heartbeat is current";
      break;
    case RelayChannelState::stopped:
      tile.value = "Needs attention";
      tile.symbol = "exclamationmark.circle";
      break;
    case RelayChannelState::unavailable:
      tile.value = "Not configured";
      tile.symbol = "link.badge.plus";
      break;
  }
  return tile;
}

MessagingTile routeTile(const IMessageBridgeModel& bridge) {
  const IMessageRouteState& state = bridge.routeState.get();
  switch (state.kind) {
    case IMessageRouteState::Kind::loading:
      return {"Private route", "Issuing route", "Loading your private agent code", "ellipsis"};
    case IMessageRouteState::Kind::ready:
      return {"Private route", "Active", "Unique to this signed-in account", "key.horizontal"};
    case IMessageRouteState::Kind::rotating:
      return {"Private route", "Regenerating", "Invalidating the previous QR",
              "arrow.triangle.2.circlepath"};
    case IMessageRouteState::Kind::error:
      break;
  }
  return {"Private route", "Not ready", state.message, "exclamationmark.circle"};
}

MessagingTile agentTile(const IMessageBridgeModel& bridge) {
  return {"Routed agent", bridge.agentName(), "This code routes to one isolated agent thread",
          "person.crop.circle"};
}

}  // namespace ondi
