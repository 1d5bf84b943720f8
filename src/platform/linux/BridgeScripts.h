#pragma once

#include <string>
#include <vector>

namespace ondi::platform {

// The script world in which the bridge's handlers live; pages cannot reach it.
inline constexpr const char* kBridgeWorld = "velmora-bridge";

// Page-world script: window.webkit.messageHandlers.<name>.postMessage(body) posts
// {velmoraBridge: name, body} to the page's own window.
std::string bridgePageScript(const std::vector<std::string>& handlerNames);

// Bridge-world relay: forwards each such window message to the native handler with what it
// can see of the sender — whether it came from this very window through a real postMessage
// (not a synthetic event, not a child frame), and the sender's origin.
std::string bridgeRelayScript();

}  // namespace ondi::platform
