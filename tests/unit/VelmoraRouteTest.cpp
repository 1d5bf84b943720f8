#include "core/navigation/VelmoraRoute.h"

#include <gtest/gtest.h>

namespace ondi {
namespace {

const ServiceOrigin kOrigin{"https://ondi.example", "ondi.example"};

TEST(VelmoraRoute, LoadedAddressMapsToTheFirstMatchingRule) {
  const struct {
    std::string url;
    std::optional<std::string> route;  // telemetry name
  } cases[] = {
      {"https://ondi.example/agent.html?view=industries", "agent-packs"},
      {"https://ondi.example/agent.html?view=skills-library&view=industries", "agent-packs"},
      {"https://ondi.example/agent.html?view=skills-library", "skills"},
      {"https://ondi.example/agent.html?surface=voice#connectorsCenter", "connectors"},
      {"https://ondi.example/agent.html#voiceAgentCard", "voice"},
      {"https://ondi.example/agent.html?source=mac_app&desktop=1&surface=voice", "voice"},
      {"https://ondi.example/pricing.html?from=/agent.html", "pricing"},
      {"https://ondi.example/agent.html?view=pricing", "pricing"},
      {"https://ondi.example/support.html?from=/agent.html", "support"},
      {"https://ondi.example/agent.html?view=contact", "support"},
      {"https://ondi.example/agent.html?surface=billing", "agent"},
      {"https://ondi.example/page.html?view=other", std::nullopt},
      {"https://example.org/", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.url);
    const auto route = VelmoraRoute::route(c.url);
    EXPECT_EQ(route ? std::optional(route->telemetryName()) : std::nullopt, c.route);
  }
}

TEST(VelmoraRoute, EachRouteHasItsNameAddressAndInAppAddress) {
  const struct {
    VelmoraRoute route;
    std::string telemetryName;
    std::string url;
    std::optional<std::string> inAppURL;
    std::string inAppTitle;
  } cases[] = {
      {VelmoraRoute::packWorkspace("sales"), "pack-workspace", kOrigin.agentPageURL(),
       "velmora://workspace/sales", ""},
      {VelmoraRoute::home(), "home", kOrigin.agentPageURL(), "velmora://home", "Home"},
      {VelmoraRoute::agent(), "agent", kOrigin.agentPageURL(), std::nullopt, ""},
      {VelmoraRoute::messaging(), "messaging", kOrigin.agentPageURL(), "velmora://messaging",
       "Messaging"},
      {VelmoraRoute::agentPacks(), "agent-packs", "https://ondi.example/page.html?view=industries",
       "velmora://agent-packs", "Agent Packs"},
      {VelmoraRoute::connectors(), "connectors",
       "https://ondi.example/agent.html?source=mac_app&surface=connectors", "velmora://connectors",
       "Connectors"},
      {VelmoraRoute::skills(), "skills", "https://ondi.example/page.html?view=skills-library",
       "velmora://skills", "Skills"},
      {VelmoraRoute::browserWorkspace(), "browser", "https://mail.google.com/mail/u/0/#inbox",
       std::nullopt, ""},
      {VelmoraRoute::voice(), "voice",
       "https://ondi.example/agent.html?source=mac_app&desktop=1&surface=voice", std::nullopt, ""},
      {VelmoraRoute::pricing(), "pricing",
       "https://ondi.example/agent.html?source=mac_app&surface=billing", "velmora://billing",
       "Billing"},
      {VelmoraRoute::support(), "support", "https://ondi.example/page.html?view=contact",
       "velmora://support", "Support"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.telemetryName);
    EXPECT_EQ(c.route.telemetryName(), c.telemetryName);
    EXPECT_EQ(c.route.url(kOrigin), c.url);
    const auto address = inAppAddress(c.route);
    EXPECT_EQ(address ? std::optional(address->urlString) : std::nullopt, c.inAppURL);
    if (address) {
      EXPECT_EQ(address->title, c.inAppTitle);
    }
  }
}

}  // namespace
}  // namespace ondi
