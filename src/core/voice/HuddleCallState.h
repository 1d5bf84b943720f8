#pragma once

#include <optional>
#include <string>

#include "core/shell/DesktopSurfaceSignal.h"

namespace ondi {

// Where the huddle's call stands, from the account check to a live call.
class HuddleCallState {
 public:
  enum class Kind { unavailable, checking, signInRequired, ready, connecting, live };

  static HuddleCallState unavailable(std::string reason) {
    return {Kind::unavailable, std::move(reason)};
  }
  static HuddleCallState checking() { return {Kind::checking, {}}; }
  static HuddleCallState signInRequired() { return {Kind::signInRequired, {}}; }
  static HuddleCallState ready() { return {Kind::ready, {}}; }
  static HuddleCallState connecting() { return {Kind::connecting, {}}; }
  static HuddleCallState live() { return {Kind::live, {}}; }

  Kind kind() const { return kind_; }
  // Why no call can start; empty unless unavailable.
  const std::string& reason() const { return reason_; }
  // Joining or live: the roster and the answering mode are fixed until the call ends.
  bool isInCall() const { return kind_ == Kind::connecting || kind_ == Kind::live; }

  bool operator==(const HuddleCallState&) const = default;

 private:
  HuddleCallState(Kind kind, std::string reason) : kind_(kind), reason_(std::move(reason)) {}
  Kind kind_;
  std::string reason_;
};

// The call bar's words for the state, e.g. "Ready to huddle".
std::string stateLabel(const HuddleCallState& state);
// "READY", "JOINING" or "LIVE"; none while no call is ready or under way.
std::optional<std::string> callBadge(const HuddleCallState& state);
// What the workspace header shows for the voice screen in this state.
DesktopSurfaceSignal voiceSignal(const HuddleCallState& state);

}  // namespace ondi
