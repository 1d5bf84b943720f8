#pragma once

#include <functional>
#include <string>

#include "core/ports/WebView.h"

namespace ondi {

// The one way native code talks to the page in the agent surface, and asks what it shows.
class SurfaceChannel {
 public:
  virtual ~SurfaceChannel() = default;
  // Runs a script in the surface's page, ignoring its result.
  virtual void runScript(const std::string& script) = 0;
  // Runs a script in the surface's page and hands its result, or its error, to `completion`.
  virtual void evaluateScript(const std::string& script,
                              std::function<void(ScriptResult)> completion) = 0;
  // Runs `functionBody` as an asynchronous function in the surface's page and hands the value
  // its promise settles with, or the error, to `completion`.
  virtual void callAsyncJavaScript(const std::string& functionBody,
                                   std::function<void(ScriptResult)> completion) = 0;
  // Whether the surface shows the operator page (the desktop chat) right now.
  virtual bool isShowingDesktopChat() const = 0;
  // Whether a page is on its way into the surface; scripts run now may reach the page it
  // replaces.
  virtual bool isPageLoading() const = 0;
  // The address of the surface's page; empty before the first load.
  virtual std::string currentURL() const = 0;
};

}  // namespace ondi
