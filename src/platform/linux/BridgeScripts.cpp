#include "platform/linux/BridgeScripts.h"

#include <nlohmann/json.hpp>

#include "platform/linux/Resources.h"

namespace ondi::platform {

std::string bridgePageScript(const std::vector<std::string>& handlerNames) {
  // The script is a function expression that may end in a line comment: it is closed on a line
  // of its own before it is called.
  return "(" + resourceText("/com/velmora/desktop/bridge/page-bridge.js") + "\n)(" +
         nlohmann::json(handlerNames).dump() + ");";
}

std::string bridgeRelayScript() {
  return resourceText("/com/velmora/desktop/bridge/bridge-relay.js");
}

}  // namespace ondi::platform
