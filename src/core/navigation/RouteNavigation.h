#pragma once

#include <optional>
#include <string>

namespace ondi {

struct NavigationState;
class VelmoraRoute;
class WebView;

// What controllers ask of navigation. The navigator behind it is the only writer of the
// published navigation state.
class RouteNavigation {
 public:
  virtual ~RouteNavigation() = default;
  // The published destination and what the toolbar shows of the page in front.
  virtual const NavigationState& state() const = 0;
  // The address of what is on screen; none when nothing has one.
  virtual std::optional<std::string> currentPageURL() const = 0;
  // The one way to change destination: loads what `route` shows.
  virtual void load(const VelmoraRoute& route) = 0;
  // Makes `route` the active one over what is already loaded, without loading anything.
  virtual void show(const VelmoraRoute& route) = 0;
  // Shows `url` in the address field at once, while its page is still to load.
  virtual void showAddress(const std::string& url) = 0;
  // Refreshes the published state from `view` on a later turn of the main loop.
  virtual void updateState(const WebView* view) = 0;
  // A page finished loading in `view`.
  virtual void webViewDidFinishLoading(const WebView& view) = 0;
};

}  // namespace ondi
