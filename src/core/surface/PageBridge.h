#pragma once

#include <nlohmann/json.hpp>

#include <array>
#include <string>

#include "core/ports/WebView.h"
#include "core/surface/WorkspaceHosts.h"

namespace ondi {

class Logger;

// Receives the operator page's messages: refuses privileged ones from anything but the main
// frame of a secure workspace origin, answers malformed requests, and hands the rest on.
class PageBridge {
 public:
  static constexpr std::array<const char*, 4> kHandlerNames{
      "velmoraSpeech", "velmoraOpenAI", "velmoraDesktopAction", "velmoraConversationState"};

  // The features behind the messages, and what the surface shows.
  class Features {
   public:
    virtual ~Features() = default;
    virtual void handleSpeechRequest(const std::string& action, const std::string& draft) = 0;
    virtual void handleLocalOpenAIRequest(const nlohmann::json& body) = 0;
    virtual void handleDesktopActionRequest(const nlohmann::json& body) = 0;
    virtual void applyConversationThreadSnapshot(const nlohmann::json& body) = 0;
    virtual bool isShowingDesktopChat() const = 0;
    virtual std::string currentSurfaceURL() const = 0;
    // Runs a script in the surface, ignoring its result.
    virtual void runSurfaceScript(const std::string& script) = 0;
  };

  PageBridge(const WorkspaceHosts& hosts, Logger& logger, Features& features)
      : hosts_(hosts), logger_(logger), features_(features) {}

  void receive(const ScriptMessage& message);

  // The conversation state may come from the operator page whatever its base address, or
  // from the main frame of a secure workspace page.
  bool allowsConversationStateBridge(bool isMainFrame) const;

 private:
  const WorkspaceHosts& hosts_;
  Logger& logger_;
  Features& features_;
};

}  // namespace ondi
