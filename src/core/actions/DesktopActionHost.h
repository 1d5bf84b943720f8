#pragma once

#include <optional>
#include <string>

#include "core/actions/DesktopActionResult.h"

namespace ondi {

// What the desktop action dispatcher asks of the in-app browser: its tabs and the managed
// workflows shown in them.
class DesktopActionHost {
 public:
  virtual ~DesktopActionHost() = default;

  // False when the browser has as many tabs as it keeps.
  virtual bool openInAppBrowserTab(const std::string& url, std::optional<std::string> title) = 0;
  virtual DesktopActionResult closeSelectedInAppBrowserTab() = 0;
  virtual DesktopActionResult switchInAppBrowserTab(const std::string& direction) = 0;
  // Shows a managed cloud-browser workflow; false when its id or control page is not valid.
  virtual bool openManagedBrowserWorkflow(const std::string& workflowID,
                                          const std::string& title) = 0;
};

}  // namespace ondi
