#pragma once

#include "core/app/VelmoraRoute.h"
#include "core/app/WorkspaceSection.h"

namespace ondi {

// The operations section that belongs with a route; the shell keeps the workspace's selected
// section in step with it.
WorkspaceSection workspaceSection(const VelmoraRoute& route);

}  // namespace ondi
