#include "core/shell/RouteSection.h"

namespace ondi {

WorkspaceSection workspaceSection(const VelmoraRoute& route) {
  using Kind = VelmoraRoute::Kind;
  switch (route.kind()) {
    case Kind::home:
    case Kind::agent:
    case Kind::messaging:
      return WorkspaceSection::overview;
    case Kind::agentPacks:
    case Kind::skills:
    case Kind::voice:
    case Kind::packWorkspace:
      return WorkspaceSection::agents;
    case Kind::connectors:
      return WorkspaceSection::connectors;
    case Kind::browserWorkspace:
      return WorkspaceSection::browser;
    case Kind::pricing:
      return WorkspaceSection::pricing;
    case Kind::support:
      return WorkspaceSection::security;
  }
  return WorkspaceSection::overview;
}

}  // namespace ondi
