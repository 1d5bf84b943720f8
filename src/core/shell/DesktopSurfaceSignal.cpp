#include "core/shell/DesktopSurfaceSignal.h"

namespace ondi {
namespace {

constexpr ThemeColor kLiveGreen{0.275, 0.424, 0.3};
constexpr ThemeColor kStudioBlue{0.18, 0.36, 0.7};
constexpr ThemeColor kOfflineRed{0.86, 0.2, 0.17};

DesktopSurfaceSignal sessionSignal(const WorkspaceSessionState& session) {
  using Kind = WorkspaceSessionState::Kind;
  switch (session.kind()) {
    case Kind::authenticated:
      return DesktopSurfaceSignal::ready;
    case Kind::unavailable:
      return DesktopSurfaceSignal::offline;
    case Kind::checking:
      return DesktopSurfaceSignal::connecting;
    case Kind::signedOut:
      return DesktopSurfaceSignal::signInRequired;
  }
  return DesktopSurfaceSignal::connecting;
}

}  // namespace

DesktopSurfaceSignal headerSignal(const HeaderSignalInputs& inputs) {
  if (inputs.isPackWorkspaceActive) return DesktopSurfaceSignal::focused;
  switch (inputs.route.kind()) {
    case VelmoraRoute::Kind::voice:
      return inputs.voice;
    case VelmoraRoute::Kind::messaging:
      return inputs.messaging;
    case VelmoraRoute::Kind::agent:
      return sessionSignal(inputs.session);
    default:
      return DesktopSurfaceSignal::ready;
  }
}

std::string badgeText(DesktopSurfaceSignal signal) {
  switch (signal) {
    case DesktopSurfaceSignal::connecting:
      return "CONNECTING";
    case DesktopSurfaceSignal::ready:
      return "READY";
    case DesktopSurfaceSignal::live:
      return "LIVE";
    case DesktopSurfaceSignal::focused:
      return "FOCUSED";
    case DesktopSurfaceSignal::paused:
      return "PAUSED";
    case DesktopSurfaceSignal::signInRequired:
      return "SIGN IN";
    case DesktopSurfaceSignal::setupRequired:
      return "SETUP";
    case DesktopSurfaceSignal::offline:
      return "OFFLINE";
  }
  return "READY";
}

ThemeColor badgeDotColor(DesktopSurfaceSignal signal, VelmoraTheme theme) {
  const VelmoraThemePalette colors = palette(theme);
  switch (signal) {
    case DesktopSurfaceSignal::connecting:
    case DesktopSurfaceSignal::ready:
    case DesktopSurfaceSignal::signInRequired:
      return colors.muted;
    case DesktopSurfaceSignal::live:
      return kLiveGreen;
    case DesktopSurfaceSignal::focused:
      return theme == VelmoraTheme::porcelainAir || theme == VelmoraTheme::quietAperture
                 ? ThemeColor::gray(0.315)
                 : kStudioBlue;
    case DesktopSurfaceSignal::paused:
    case DesktopSurfaceSignal::setupRequired:
      return colors.accent;
    case DesktopSurfaceSignal::offline:
      return kOfflineRed;
  }
  return colors.muted;
}

}  // namespace ondi
