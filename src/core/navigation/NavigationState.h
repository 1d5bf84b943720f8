#pragma once

#include <string>

#include "core/navigation/VelmoraRoute.h"
#include "core/published/Published.h"

namespace ondi {

// The destination and the navigation state the toolbar and window show.
struct NavigationState {
  Published<VelmoraRoute> activeRoute{VelmoraRoute::home()};
  Published<bool> canGoBack{false};
  Published<bool> canGoForward{false};
  Published<bool> isLoading{false};
  Published<std::string> currentURLString{"velmora://home"};
  Published<std::string> title;
};

}  // namespace ondi
