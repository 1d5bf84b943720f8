#pragma once

#include <string>

namespace ondi {

// Where the hosted service lives: its HTTPS web origin and its registrable domain, the
// address its support team reads, and the registered domain of Browserbase, whose live views
// of cloud runs the monitor embeds (empty: none are embedded).
struct ServiceOrigin {
  std::string webOrigin;          // "https://ondi.example", no trailing slash
  std::string registrableDomain;  // "ondi.example"
  std::string supportEmail = {};  // empty: "support@" and the registrable domain
  std::string browserbaseDomain = {};

  std::string supportEmailAddress() const {
    return supportEmail.empty() ? "support@" + registrableDomain : supportEmail;
  }

  // An address on the web origin; `pathAndQuery` starts with "/".
  std::string url(const std::string& pathAndQuery) const { return webOrigin + pathAndQuery; }
  // The program's home page and the fallback base of every API request.
  std::string agentPageURL() const { return url("/agent.html?source=mac_app"); }
};

}  // namespace ondi
