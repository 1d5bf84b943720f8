#pragma once

#include <nlohmann/json.hpp>

#include <functional>
#include <optional>
#include <string>

#include "core/desktop/DesktopActionResult.h"
#include "core/util/Lifetime.h"

namespace ondi {

class DesktopActionHost;
class DesktopActionRequest;
class ExternalBrowsers;
struct ExternalBrowser;

// Carries out the actions the agent page asks of the desktop and answers each request at most
// once: at once for actions that finish at once, from the completion for those that launch
// another application, never for a conversation-thread snapshot.
class DesktopActionDispatcher {
 public:
  // At most this many tabs open from one request.
  static constexpr std::size_t kMaximumTabs = 12;

  DesktopActionDispatcher(DesktopActionHost& host, ExternalBrowsers& browsers)
      : host_(host), browsers_(browsers) {}

  void handleDesktopActionRequest(const nlohmann::json& body);

 private:
  void openManagedBrowserWorkflow(const DesktopActionRequest& request, const std::string& id);
  void openInAppBrowser(const DesktopActionRequest& request, const std::string& id);
  void openInAppBrowserTabs(const DesktopActionRequest& request, const std::string& id);
  void openURLInBrowser(const DesktopActionRequest& request, const std::string& id,
                        const ExternalBrowser& browser, const std::string& invalidURLError);
  void openBrowserApplication(const std::string& id, const ExternalBrowser& browser);
  void openInNewTab(const std::string& id, const std::string& url, const std::string& label);

  void reply(const std::string& id, const DesktopActionResult& result);
  // Replies later with the result a completion receives, unless this dispatcher is gone.
  std::function<void(DesktopActionResult)> replyLater(const std::string& id);

  DesktopActionHost& host_;
  ExternalBrowsers& browsers_;
  Lifetime lifetime_;
};

// The http or https address `text` stands for, or none.
std::optional<std::string> webDestination(const std::string& text);

}  // namespace ondi
