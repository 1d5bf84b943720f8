#pragma once

#include <optional>
#include <string>

#include "core/surface/WorkspaceHosts.h"

namespace ondi {

// Where one navigation of the surface goes.
enum class PrivilegedWorkspaceNavigationDisposition {
  allowInSurface,
  openWithSystem,
  openInAppBrowser,
  block,
};

// Mail and telephone addresses the user followed go to the system; workspace pages stay in
// the surface; every other web page opens in an in-app tab; anything else is blocked. Child
// frames never hand an address to the system or to a tab, and a page cannot make the system
// open a mail or telephone address by itself. `targetFrameIsMain` is absent when the
// navigation has no target frame, which counts as the main frame.
PrivilegedWorkspaceNavigationDisposition privilegedNavigationDisposition(
    const std::string& url, std::optional<bool> targetFrameIsMain, bool isUserGesture,
    const WorkspaceHosts& hosts);

// Mail and telephone addresses, which the system's handlers open.
bool isSystemHandledScheme(const std::string& lowercasedScheme);

}  // namespace ondi
