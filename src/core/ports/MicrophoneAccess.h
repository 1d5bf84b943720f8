#pragma once

#include <functional>

namespace ondi {

enum class MicrophoneAuthorization { authorized, notDetermined, denied, restricted };

// The system's permission for this program to record from the microphone.
class MicrophoneAccess {
 public:
  virtual ~MicrophoneAccess() = default;
  virtual MicrophoneAuthorization authorization() const = 0;
  // Asks the user; the answer arrives on the main loop.
  virtual void requestAccess(std::function<void(bool granted)> completion) = 0;
};

}  // namespace ondi
