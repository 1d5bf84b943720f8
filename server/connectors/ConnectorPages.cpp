#include "connectors/ConnectorPages.h"

#include "http/HtmlPage.h"

namespace ondi::server {
namespace {

constexpr std::string_view kBrokerNote =
    "<p class=\"note\">This is a local stand-in of the Composio authorization page, served by "
    "ondi-server for development and tests. No account at the app is contacted.</p>";

constexpr std::string_view kServiceNote =
    "<p class=\"note\">Served by ondi-server, the local stand-in of the Ondi service.</p>";

std::string stateText(const ConnectionStore::States& states, std::string_view slug) {
  const auto found = states.find(slug);
  if (found == states.end()) return "Not connected";
  return found->second == ConnectionStore::State::connected ? "Connected"
                                                            : "Waiting for authorization";
}

}  // namespace

std::string authorizationPage(const ConnectorApp& app, std::string_view linkId) {
  const std::string name = escapeHtml(app.name);
  std::string body = "<h1>Connect " + name + " to Ondi</h1>\n";
  body += kBrokerNote;
  body += "\n<p>Ondi's agents will be able to use your " + name +
          " account. They ask before acting on your behalf, and you can disconnect at any "
          "time.</p>\n";
  body += "<form method=\"post\" action=\"/connect/" + escapeHtml(linkId) + "\">";
  body += "<button type=\"submit\" id=\"allow\" name=\"decision\" value=\"allow\">Allow</button>";
  body +=
      "<button type=\"submit\" id=\"deny\" class=\"secondary\" name=\"decision\" value=\"deny\">"
      "Deny</button>";
  body += "</form>";
  return htmlDocument("Connect " + std::string(app.name), body);
}

std::string authorizationDonePage(const ConnectorApp& app, bool approved) {
  const std::string name = escapeHtml(app.name);
  std::string body = approved ? "<h1 id=\"result\">" + name + " is connected</h1>\n"
                              : "<h1 id=\"result\">" + name + " was not connected</h1>\n";
  body += approved ? "<p>Return to Ondi and refresh connected apps to see it.</p>\n"
                   : "<p>Nothing was shared. You can connect it later from Ondi.</p>\n";
  body += kBrokerNote;
  return htmlDocument(std::string(app.name) + (approved ? " connected" : " not connected"), body);
}

std::string authorizationExpiredPage() {
  std::string body = "<h1>This authorization link has expired</h1>\n";
  body += "<p>Start connecting the app again from Ondi.</p>\n";
  body += kBrokerNote;
  return htmlDocument("Authorization link expired", body);
}

std::string connectorsPage(const std::optional<Account>& account,
                           const ConnectionStore::States& states) {
  std::string body = "<h1>Connected apps</h1>\n";
  if (!account) {
    body +=
        "<p><a href=\"/auth.html?mode=sign-in&amp;returnTo=%2Fagent.html%3Fsource%3Dmac_app%26"
        "surface%3Dconnectors\">Log in</a> to manage the apps your agents use.</p>\n";
    body += kServiceNote;
    return htmlDocument("Connected apps", body);
  }
  body += "<p>Apps connected to " + escapeHtml(account->email) +
          ". Connect more from Connectors in the Ondi app.</p>\n<dl>";
  for (const ConnectorApp& app : connectorApps()) {
    const std::string state = stateText(states, app.slug);
    body += "<dt>" + escapeHtml(app.name) + "</dt><dd id=\"state-" + escapeHtml(app.slug) + "\">" +
            state;
    if (state == "Connected") {
      body += "<form method=\"post\" action=\"/api/connectors/" + escapeHtml(app.slug) +
              "/disconnect\"><button type=\"submit\" class=\"secondary\">Disconnect</button>"
              "</form>";
    }
    body += "</dd>";
  }
  body += "</dl>\n";
  body += kServiceNote;
  return htmlDocument("Connected apps", body);
}

}  // namespace ondi::server
