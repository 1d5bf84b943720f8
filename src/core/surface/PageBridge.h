#pragma once

#include <nlohmann/json.hpp>

#include <array>
#include <functional>
#include <string>

#include "core/ports/WebView.h"
#include "core/script/SurfaceChannel.h"
#include "core/surface/WorkspaceHosts.h"

namespace ondi {

class Logger;

// Receives the operator page's messages: refuses privileged ones from anything but the main
// frame of a secure workspace origin, answers malformed requests, and hands the rest on.
class PageBridge {
 public:
  static constexpr std::array<const char*, 4> kHandlerNames{
      "velmoraSpeech", "velmoraOpenAI", "velmoraDesktopAction", "velmoraConversationState"};

  // The features behind the messages.
  struct Handlers {
    std::function<void(const std::string& action, const std::string& draft)> speech;
    std::function<void(const nlohmann::json& body)> localOpenAI;
    std::function<void(const nlohmann::json& body)> desktopAction;
    std::function<void(const nlohmann::json& body)> conversationState;
  };

  PageBridge(const WorkspaceHosts& hosts, Logger& logger, SurfaceChannel& page, Handlers handlers)
      : hosts_(hosts), logger_(logger), page_(page), handlers_(std::move(handlers)) {}

  void receive(const ScriptMessage& message);

  // The conversation state may come from the operator page whatever its base address, or
  // from the main frame of a secure workspace page.
  bool allowsConversationStateBridge(bool isMainFrame) const;

 private:
  const WorkspaceHosts& hosts_;
  Logger& logger_;
  SurfaceChannel& page_;
  Handlers handlers_;
};

}  // namespace ondi
