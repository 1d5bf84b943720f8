#pragma once

#include <string>

#include "core/account/WorkspaceSessionState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/published/Published.h"
#include "core/theme/VelmoraTheme.h"
#include "core/theme/VelmoraThemePalette.h"

namespace ondi {

// The state the workspace header's badge shows.
enum class DesktopSurfaceSignal {
  connecting,
  ready,
  live,
  focused,
  paused,
  signInRequired,
  setupRequired,
  offline,
};

// The signals the messaging and voice screens publish for the header.
struct SurfaceSignals {
  Published<DesktopSurfaceSignal> messaging{DesktopSurfaceSignal::connecting};
  Published<DesktopSurfaceSignal> voice{DesktopSurfaceSignal::connecting};
};

// What the header's signal is decided from.
struct HeaderSignalInputs {
  const VelmoraRoute& route;
  const WorkspaceSessionState& session;
  bool isPackWorkspaceActive;
  DesktopSurfaceSignal voice;
  DesktopSurfaceSignal messaging;
};

// The studio header's signal: a pack workspace is focused; voice and messaging show their own
// signals; the agent follows the session; every other screen is ready.
DesktopSurfaceSignal headerSignal(const HeaderSignalInputs& inputs);

// The badge's text, e.g. "CONNECTING" or "SIGN IN".
std::string badgeText(DesktopSurfaceSignal signal);
// The colour of the dot beside the badge's text under `theme`.
ThemeColor badgeDotColor(DesktopSurfaceSignal signal, VelmoraTheme theme);

}  // namespace ondi
