#pragma once

#include "core/voice/RealtimeVoiceControl.h"

namespace ondi {

// The voice control of a build without a voice console: no call starts, access reads as
// unavailable, and the console has no transcript to read.
class NoRealtimeVoiceConsole final : public RealtimeVoiceControl {
 public:
  void startRealtimeVoiceSession(std::optional<HuddleConfiguration>,
                                 std::function<void(StartResult)> completion) override {
    completion(std::unexpected(RealtimeVoiceStartError::consoleUnavailable()));
  }
  void stopRealtimeVoiceSession() override {}
  void setHuddleMicrophoneMuted(bool) override {}
  void interruptHuddleResponse() override {}
  void refreshHuddleSnapshot(
      std::function<void(std::optional<HuddleSnapshot>)> completion) override {
    completion(std::nullopt);
  }
  void loadRealtimeVoiceAgent() override {}
  void openRealtimeVoiceExternal() override {}
  void checkRealtimeAccess(std::function<void(AccessResult)> completion) override {
    completion(std::unexpected(RealtimeVoiceAccessStatus{}.detail()));
  }
};

}  // namespace ondi
