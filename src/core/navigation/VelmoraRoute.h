#pragma once

#include <optional>
#include <string>

#include "core/origin/ServiceOrigin.h"

namespace ondi {

// Every destination of the workspace.
class VelmoraRoute {
 public:
  enum class Kind {
    packWorkspace,
    home,
    agent,
    messaging,
    agentPacks,
    connectors,
    skills,
    browserWorkspace,
    voice,
    pricing,
    support,
  };

  static VelmoraRoute packWorkspace(std::string packID) {
    return VelmoraRoute(Kind::packWorkspace, std::move(packID));
  }
  static VelmoraRoute home() { return VelmoraRoute(Kind::home); }
  static VelmoraRoute agent() { return VelmoraRoute(Kind::agent); }
  static VelmoraRoute messaging() { return VelmoraRoute(Kind::messaging); }
  static VelmoraRoute agentPacks() { return VelmoraRoute(Kind::agentPacks); }
  static VelmoraRoute connectors() { return VelmoraRoute(Kind::connectors); }
  static VelmoraRoute skills() { return VelmoraRoute(Kind::skills); }
  static VelmoraRoute browserWorkspace() { return VelmoraRoute(Kind::browserWorkspace); }
  static VelmoraRoute voice() { return VelmoraRoute(Kind::voice); }
  static VelmoraRoute pricing() { return VelmoraRoute(Kind::pricing); }
  static VelmoraRoute support() { return VelmoraRoute(Kind::support); }

  Kind kind() const { return kind_; }
  // The pack id of a pack workspace; empty for every other route.
  const std::string& packID() const { return packID_; }

  std::string telemetryName() const;
  // The route's web address: on the service's origin, or the Gmail inbox for the browser.
  std::string url(const ServiceOrigin& origin) const;

  // The route a telemetry name stands for; pack workspaces are not named this way.
  static std::optional<VelmoraRoute> fromTelemetryName(const std::string& name);

  // Maps a loaded address back to a route; the first matching rule wins.
  static std::optional<VelmoraRoute> route(const std::string& absoluteURL);

  bool operator==(const VelmoraRoute&) const = default;

 private:
  explicit VelmoraRoute(Kind kind, std::string packID = {})
      : kind_(kind), packID_(std::move(packID)) {}
  Kind kind_;
  std::string packID_;
};

// The display address and title shown while a native screen is up.
struct InAppAddress {
  std::string urlString;
  std::string title;
};

// The in-app address of a native screen's route; none for routes that show web content.
// A pack workspace's title comes from its pack, so only its address is known here.
std::optional<InAppAddress> inAppAddress(const VelmoraRoute& route);

}  // namespace ondi
