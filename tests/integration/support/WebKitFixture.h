#pragma once

#include <memory>

#include "TemporaryDirectory.h"
#include "platform/linux/WebKitCookieStore.h"
#include "platform/linux/WebKitNetwork.h"
#include "platform/linux/WebKitWebViewFactory.h"

// A private persistent website data store and web-view factory in a temporary folder, with
// GTK started once for the whole test program.
class WebKitFixture {
 public:
  explicit WebKitFixture(const std::string& registrableDomain = "ondi.example");

  ondi::platform::WebKitNetwork& network() { return *network_; }
  ondi::platform::WebKitCookieStore& cookies() { return *cookies_; }
  ondi::platform::WebKitWebViewFactory& webViews() { return *webViews_; }

 private:
  TemporaryDirectory folder_;
  std::unique_ptr<ondi::platform::WebKitNetwork> network_;
  std::unique_ptr<ondi::platform::WebKitCookieStore> cookies_;
  std::unique_ptr<ondi::platform::WebKitWebViewFactory> webViews_;
};
