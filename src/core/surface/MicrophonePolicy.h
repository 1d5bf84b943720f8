#pragma once

#include <functional>
#include <string>

#include "core/ports/WebView.h"
#include "core/surface/WorkspaceHosts.h"

namespace ondi {

class MicrophoneAccess;

// Grants a web page's capture request only for the microphone alone, only to a trusted
// origin, and only as far as the system lets the program use the microphone.
class MicrophonePolicy {
 public:
  MicrophonePolicy(const WorkspaceHosts& hosts, MicrophoneAccess& access)
      : hosts_(hosts), access_(access) {}

  void decide(const std::string& origin, MediaCaptureKind kind, std::function<void(bool)> decide);

 private:
  const WorkspaceHosts& hosts_;
  MicrophoneAccess& access_;
};

}  // namespace ondi
