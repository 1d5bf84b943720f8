#pragma once

#include <string>

namespace ondi::server {

// The realtime voice console ("/agent.html?surface=voice"): a page that simulates a multi-agent
// voice huddle over the browser's microphone and defines the page functions the desktop app
// calls. Read once from the server's resources.
const std::string& voiceConsoleHtml();

}  // namespace ondi::server
