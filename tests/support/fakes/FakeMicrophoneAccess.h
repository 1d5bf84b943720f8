#pragma once

#include <functional>
#include <vector>

#include "core/ports/MicrophoneAccess.h"

namespace ondi::fakes {

// The system's microphone permission. A request waits until the test answers it as the
// user would.
class FakeMicrophoneAccess final : public MicrophoneAccess {
 public:
  MicrophoneAuthorization authorization() const override { return status; }
  void requestAccess(std::function<void(bool)> completion) override {
    waiting.push_back(std::move(completion));
  }

  void answer(bool granted) {
    auto answered = std::move(waiting);
    waiting.clear();
    for (auto& completion : answered) completion(granted);
  }

  MicrophoneAuthorization status = MicrophoneAuthorization::notDetermined;
  std::vector<std::function<void(bool)>> waiting;
};

}  // namespace ondi::fakes
