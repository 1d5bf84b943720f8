#pragma once

#include <string>

namespace ondi {

// The one way native code talks to the page in the agent surface, and asks what it shows.
class SurfaceChannel {
 public:
  virtual ~SurfaceChannel() = default;
  // Runs a script in the surface's page, ignoring its result.
  virtual void runScript(const std::string& script) = 0;
  // Whether the surface shows the operator page (the desktop chat) right now.
  virtual bool isShowingDesktopChat() const = 0;
  // The address of the surface's page; empty before the first load.
  virtual std::string currentURL() const = 0;
};

}  // namespace ondi
