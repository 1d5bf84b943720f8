#include "core/navigation/VelmoraRoute.h"

#include <array>
#include <utility>

#include "core/navigation/BillingAddress.h"
#include "core/navigation/WebDestinations.h"

namespace ondi {

std::string VelmoraRoute::telemetryName() const {
  switch (kind_) {
    case Kind::packWorkspace:
      return "pack-workspace";
    case Kind::home:
      return "home";
    case Kind::agent:
      return "agent";
    case Kind::messaging:
      return "messaging";
    case Kind::agentPacks:
      return "agent-packs";
    case Kind::connectors:
      return "connectors";
    case Kind::skills:
      return "skills";
    case Kind::browserWorkspace:
      return "browser";
    case Kind::voice:
      return "voice";
    case Kind::pricing:
      return "pricing";
    case Kind::support:
      return "support";
  }
  return "home";
}

std::string VelmoraRoute::url(const ServiceOrigin& origin) const {
  switch (kind_) {
    case Kind::packWorkspace:
    case Kind::home:
    case Kind::agent:
    case Kind::messaging:
      return origin.agentPageURL();
    case Kind::agentPacks:
      return origin.url("/page.html?view=industries");
    case Kind::connectors:
      return origin.url("/agent.html?source=mac_app&surface=connectors");
    case Kind::skills:
      return origin.url("/page.html?view=skills-library");
    case Kind::browserWorkspace:
      return WebDestinations::gmailInbox;
    case Kind::voice:
      return origin.url("/agent.html?source=mac_app&desktop=1&surface=voice");
    case Kind::pricing:
      return billingURL(origin, std::nullopt);
    case Kind::support:
      return origin.url("/page.html?view=contact");
  }
  return origin.agentPageURL();
}

std::optional<VelmoraRoute> VelmoraRoute::fromTelemetryName(const std::string& name) {
  for (const VelmoraRoute& route : {home(), agent(), messaging(), agentPacks(), connectors(),
                                    skills(), browserWorkspace(), voice(), pricing(), support()}) {
    if (route.telemetryName() == name) return route;
  }
  return std::nullopt;
}

std::optional<VelmoraRoute> VelmoraRoute::route(const std::string& absoluteURL) {
  static const std::array<std::pair<const char*, VelmoraRoute>, 10> rules{{
      {"view=industries", agentPacks()},
      {"view=skills-library", skills()},
      {"#connectorsCenter", connectors()},
      {"#voiceAgentCard", voice()},
      {"surface=voice", voice()},
      {"/pricing.html", pricing()},
      {"view=pricing", pricing()},
      {"/support.html", support()},
      {"view=contact", support()},
      {"/agent.html", agent()},
  }};
  for (const auto& [needle, route] : rules) {
    if (absoluteURL.find(needle) != std::string::npos) return route;
  }
  return std::nullopt;
}

std::optional<InAppAddress> inAppAddress(const VelmoraRoute& route) {
  using Kind = VelmoraRoute::Kind;
  switch (route.kind()) {
    case Kind::home:
      return InAppAddress{"velmora://home", "Home"};
    case Kind::messaging:
      return InAppAddress{"velmora://messaging", "Messaging"};
    case Kind::agentPacks:
      return InAppAddress{"velmora://agent-packs", "Agent Packs"};
    case Kind::connectors:
      return InAppAddress{"velmora://connectors", "Connectors"};
    case Kind::skills:
      return InAppAddress{"velmora://skills", "Skills"};
    case Kind::pricing:
      return InAppAddress{"velmora://billing", "Billing"};
    case Kind::support:
      return InAppAddress{"velmora://support", "Support"};
    case Kind::packWorkspace:
      return InAppAddress{"velmora://workspace/" + route.packID(), ""};
    case Kind::agent:
    case Kind::browserWorkspace:
    case Kind::voice:
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace ondi
