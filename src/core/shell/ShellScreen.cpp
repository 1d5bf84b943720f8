#include "core/shell/ShellScreen.h"

namespace ondi {

ShellScreen shellScreen(const WorkspaceSessionState& session, const VelmoraRoute& route) {
  if (!session.isAuthenticated()) return ShellScreen::accountGate;
  using Kind = VelmoraRoute::Kind;
  switch (route.kind()) {
    case Kind::home:
      return ShellScreen::home;
    case Kind::agent:
      return ShellScreen::agentSurface;
    case Kind::messaging:
      return ShellScreen::messaging;
    case Kind::agentPacks:
      return ShellScreen::agentPacks;
    case Kind::connectors:
      return ShellScreen::connectors;
    case Kind::skills:
      return ShellScreen::skills;
    case Kind::browserWorkspace:
      return ShellScreen::browserWorkspace;
    case Kind::voice:
      return ShellScreen::voice;
    case Kind::pricing:
      return ShellScreen::billing;
    case Kind::support:
      return ShellScreen::support;
    case Kind::packWorkspace:
      return ShellScreen::packWorkspace;
  }
  return ShellScreen::home;
}

}  // namespace ondi
