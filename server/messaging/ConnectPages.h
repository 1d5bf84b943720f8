#pragma once

#include <string>
#include <string_view>

namespace ondi::server {

// The page a messaging route's QR code opens: it names the agent and tells the sender to send the
// code from Messages to the shared address.
std::string messagingConnectPage(std::string_view agentName, std::string_view code,
                                 std::string_view relayAddress);

// The page for a code that names no route (never issued, or replaced by a rotation).
std::string messagingCodeUnknownPage();

}  // namespace ondi::server
