#pragma once

#include <expected>
#include <functional>
#include <optional>
#include <string>

#include "core/voice/HuddleRecords.h"

namespace ondi {

// What the huddle screen asks of the voice console in the agent surface and of the service.
// Every completion runs on the main loop, at most once, and not after the control is gone.
class RealtimeVoiceControl {
 public:
  using StartResult = std::expected<void, RealtimeVoiceStartError>;
  // The account's realtime access, or the description of why it could not be read.
  using AccessResult = std::expected<RealtimeVoiceAccessStatus, std::string>;

  virtual ~RealtimeVoiceControl() = default;

  // Loads the console when needed, then configures and starts the huddle in it.
  virtual void startRealtimeVoiceSession(std::optional<HuddleConfiguration> huddle,
                                         std::function<void(StartResult)> completion) = 0;
  virtual void stopRealtimeVoiceSession() = 0;
  virtual void setHuddleMicrophoneMuted(bool muted) = 0;
  virtual void interruptHuddleResponse() = 0;
  // The console's snapshot; none when the page has no huddle or answers something else.
  virtual void refreshHuddleSnapshot(
      std::function<void(std::optional<HuddleSnapshot>)> completion) = 0;
  // Shows the console in the agent surface.
  virtual void loadRealtimeVoiceAgent() = 0;
  // Opens the console in the user's default browser.
  virtual void openRealtimeVoiceExternal() = 0;
  // Asks the service whether the signed-in account may start a realtime call.
  virtual void checkRealtimeAccess(std::function<void(AccessResult)> completion) = 0;
};

}  // namespace ondi
