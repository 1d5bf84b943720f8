#pragma once

#include <string_view>

namespace ondi::server {

// Whether a prompt asks for the managed browser with a live monitor. Read in lower case with
// blanks collapsed, it must name the browser ("browser", "in app", "in-app" or "inapp") and ask
// for "live monitor" (also "live-monitor", "livemonitor"), or say "monitor" before one of
// "running", "show", "shown", "display", "watch", "view", or after one of these but "running".
// Only whole words count.
bool asksForMonitoredBrowser(std::string_view prompt);

// Whether a prompt asks for the run to happen on a cloud desktop: it names "desktop", "sandbox" or
// "daytona" as whole words, in any case.
bool asksForCloudDesktop(std::string_view prompt);

}  // namespace ondi::server
