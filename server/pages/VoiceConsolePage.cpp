#include "pages/VoiceConsolePage.h"

#include "pages/ServerResource.h"

namespace ondi::server {

const std::string& voiceConsoleHtml() {
  static const std::string html = serverResourceText("voice-console.html");
  return html;
}

}  // namespace ondi::server
