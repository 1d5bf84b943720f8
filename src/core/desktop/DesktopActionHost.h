#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

#include "core/desktop/DesktopActionResult.h"

namespace ondi {

// What the desktop action dispatcher asks of the application: the in-app browser, managed
// workflows, conversation threads, and the channel back to the page.
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
  virtual void applyConversationThreadSnapshot(const nlohmann::json& body) = 0;
  // Sends the reply to request `id` to the page.
  virtual void publishDesktopActionUpdate(const std::string& id, bool ok,
                                          const std::optional<std::string>& text,
                                          const std::optional<std::string>& error) = 0;
};

}  // namespace ondi
