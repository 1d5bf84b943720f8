#include "core/voice/HuddleCallState.h"

namespace ondi {

using Kind = HuddleCallState::Kind;

std::string stateLabel(const HuddleCallState& state) {
  switch (state.kind()) {
    case Kind::checking:
      return "Checking access";
    case Kind::signInRequired:
      return "Sign in required";
    case Kind::ready:
      return "Ready to huddle";
    case Kind::connecting:
      return "Joining huddle";
    case Kind::live:
      return "Huddle in progress";
    case Kind::unavailable:
      return "Unavailable";
  }
  return "Unavailable";
}

std::optional<std::string> callBadge(const HuddleCallState& state) {
  switch (state.kind()) {
    case Kind::ready:
      return "READY";
    case Kind::connecting:
      return "JOINING";
    case Kind::live:
      return "LIVE";
    case Kind::unavailable:
    case Kind::checking:
    case Kind::signInRequired:
      return std::nullopt;
  }
  return std::nullopt;
}

DesktopSurfaceSignal voiceSignal(const HuddleCallState& state) {
  switch (state.kind()) {
    case Kind::checking:
    case Kind::connecting:
      return DesktopSurfaceSignal::connecting;
    case Kind::signInRequired:
      return DesktopSurfaceSignal::signInRequired;
    case Kind::ready:
      return DesktopSurfaceSignal::ready;
    case Kind::live:
      return DesktopSurfaceSignal::live;
    case Kind::unavailable:
      return DesktopSurfaceSignal::offline;
  }
  return DesktopSurfaceSignal::offline;
}

}  // namespace ondi
