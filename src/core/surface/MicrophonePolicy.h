#pragma once

#include <functional>
#include <string>

#include "core/ports/WebView.h"
#include "core/surface/WorkspaceHosts.h"

namespace ondi {

class MicrophoneAccess;

// Grants a web page's capture request only for the microphone alone, only to the voice
// console on a trusted origin, and only as far as the user lets the program use the
// microphone. The page is the one the view has committed to, never one still on its way.
class MicrophonePolicy {
 public:
  // The address of the voice console, as the surface loads it.
  using ConsoleAddress = std::function<std::string()>;

  MicrophonePolicy(const WorkspaceHosts& hosts, MicrophoneAccess& access,
                   ConsoleAddress voiceConsole)
      : hosts_(hosts), access_(access), voiceConsole_(std::move(voiceConsole)) {}

  void decide(const std::string& committedURL, MediaCaptureKind kind,
              std::function<void(bool)> decide);

 private:
  bool isVoiceConsole(const std::string& committedURL) const;

  const WorkspaceHosts& hosts_;
  MicrophoneAccess& access_;
  ConsoleAddress voiceConsole_;
};

}  // namespace ondi
