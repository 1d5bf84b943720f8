#include "messaging/ConnectPages.h"

#include "http/HtmlPage.h"

namespace ondi::server {
namespace {

constexpr std::string_view kStandInNote =
    "<p class=\"note\">Served by ondi-server, the local stand-in of the Ondi service. No messages "
    "are relayed here; the iMessage relay on the account's Mac carries them.</p>";

}  // namespace

std::string messagingConnectPage(std::string_view agentName, std::string_view code,
                                 std::string_view relayAddress) {
  const std::string agent = escapeHtml(agentName);
  std::string body = "<h1>Message " + agent + "</h1>\n";
  body += "<p>Open Messages and send this code to <strong>" + escapeHtml(relayAddress) +
          "</strong>:</p>\n";
  body += "<p class=\"code\" id=\"code\"><strong>" + escapeHtml(code) + "</strong></p>\n";
  body += "<p>The code connects your conversation to a private thread with " + agent +
          ". Keep messaging the same address afterwards.</p>\n";
  body += kStandInNote;
  return htmlDocument("Message " + std::string(agentName), body);
}

std::string messagingCodeUnknownPage() {
  std::string body = "<h1>This messaging code cannot be used</h1>\n";
  body +=
      "<p>The code is unknown or was replaced by a newer one. Open Messaging in Ondi for the "
      "current code.</p>\n";
  body += kStandInNote;
  return htmlDocument("Messaging code not found", body);
}

}  // namespace ondi::server
