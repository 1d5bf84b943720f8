#pragma once

#include <nlohmann/json.hpp>

#include <functional>
#include <optional>
#include <string>

#include "core/actions/DesktopActionResult.h"
#include "core/util/Lifetime.h"

namespace ondi {

class DesktopActionHost;
class DesktopActionRequest;
class ExternalBrowsers;
class SurfaceChannel;
struct ExternalBrowser;

// Carries out the actions the agent page asks of the desktop and answers each request at most
// once: at once for actions that finish at once, from the completion for those that launch
// another application, never for a conversation-thread snapshot.
class DesktopActionDispatcher {
 public:
  // At most this many tabs open from one request.
  static constexpr std::size_t kMaximumTabs = 12;

  // The page's conversation-thread snapshot, handed on as it came.
  using ConversationState = std::function<void(const nlohmann::json& body)>;

  // Replies go to `page`.
  DesktopActionDispatcher(DesktopActionHost& host, ExternalBrowsers& browsers, SurfaceChannel& page,
                          ConversationState conversationState)
      : host_(host),
        browsers_(browsers),
        page_(page),
        conversationState_(std::move(conversationState)) {}

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
  SurfaceChannel& page_;
  ConversationState conversationState_;
  Lifetime lifetime_;
};

// The http or https address `text` stands for, or none.
std::optional<std::string> webDestination(const std::string& text);

}  // namespace ondi
