#pragma once

#include <webkit/webkit.h>

namespace ondi::platform {

// Gives `settings` the user agent of every web view of the program: WebKitGTK's own default
// user agent with the browser identity's product token after it.
void applyBrowserUserAgent(WebKitSettings* settings);

}  // namespace ondi::platform
