#pragma once

#include <string>

namespace ondi {

class WebView;

// What the delegates of the surface and of the in-app tabs need from the model.
class NavigationClient {
 public:
  virtual ~NavigationClient() = default;
  virtual void openInAppBrowserTab(const std::string& url) = 0;
  // Refreshes the published navigation state from `view` on a later turn of the main loop.
  virtual void updateState(const WebView* view) = 0;
  // A page finished loading in `view`.
  virtual void webViewDidFinishLoading(const WebView& view) = 0;
  // Tells the user why the in-app browser did not do what a page asked.
  virtual void showBrowserNotice(const std::string& text) = 0;
};

}  // namespace ondi
