#pragma once

#include "core/ports/MicrophoneAccess.h"

namespace ondi::platform {

// A Linux desktop gives an unconfined program the microphone without a per-program
// permission; whether a capture device exists is the capture pipeline's concern.
class DesktopMicrophoneAccess final : public MicrophoneAccess {
 public:
  MicrophoneAuthorization authorization() const override {
    return MicrophoneAuthorization::authorized;
  }
  void requestAccess(std::function<void(bool)> completion) override { completion(true); }
};

}  // namespace ondi::platform
