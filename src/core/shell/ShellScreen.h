#pragma once

#include "core/account/WorkspaceSessionState.h"
#include "core/navigation/VelmoraRoute.h"

namespace ondi {

// What fills the shell's content area.
enum class ShellScreen {
  accountGate,
  home,
  agentSurface,
  messaging,
  agentPacks,
  connectors,
  skills,
  browserWorkspace,
  voice,
  billing,
  support,
  packWorkspace,
};

// The account gate until the session is confirmed, then the route's screen.
ShellScreen shellScreen(const WorkspaceSessionState& session, const VelmoraRoute& route);

}  // namespace ondi
