#include "core/surface/PageBridge.h"

#include "core/ports/Logger.h"
#include "core/surface/PageScripts.h"
#include "core/util/Json.h"
#include "core/util/Url.h"
#include "core/util/Uuid.h"

namespace ondi {
namespace {

bool isPrivileged(const std::string& name) {
  return name == "velmoraSpeech" || name == "velmoraOpenAI" || name == "velmoraDesktopAction";
}

std::string stringOr(const nlohmann::json& object, const char* key, const std::string& fallback) {
  const auto found = object.find(key);
  return found != object.end() && found->is_string() ? found->get<std::string>() : fallback;
}

}  // namespace

bool PageBridge::allowsConversationStateBridge(bool isMainFrame) const {
  if (!isMainFrame) return false;
  if (page_.isShowingDesktopChat()) return true;
  const auto url = Url::parse(page_.currentURL());
  return url && hosts_.isSecureWorkspaceOrigin(url->scheme(), url->host());
}

void PageBridge::receive(const ScriptMessage& message) {
  if (isPrivileged(message.name) &&
      !(message.isMainFrame &&
        hosts_.isSecureWorkspaceOrigin(message.originScheme, message.originHost))) {
    logger_.log(LogLevel::notice, "browser",
                "Blocked privileged bridge message name=" + message.name +
                    " host=" + (message.originHost.empty() ? "unknown" : message.originHost) +
                    " mainFrame=" + (message.isMainFrame ? "1" : "0"));
    return;
  }
  const nlohmann::json body = nlohmann::json::parse(message.bodyJSON, nullptr, false);
  if (message.name == "velmoraOpenAI") {
    if (!body.is_object()) {
      const nlohmann::json reply = {{"id", newUUID()},
                                    {"ok", false},
                                    {"kind", "error"},
                                    {"error", "Invalid local OpenAI request."}};
      if (auto script = PageScripts::openAIUpdate(reply)) page_.runScript(*script);
      return;
    }
    handlers_.localOpenAI(body);
  } else if (message.name == "velmoraSpeech") {
    const nlohmann::json fields = body.is_object() ? body : nlohmann::json::object();
    handlers_.speech(stringOr(fields, "action", "toggle"), stringOr(fields, "draft", ""));
  } else if (message.name == "velmoraDesktopAction") {
    if (!body.is_object()) {
      if (auto script = PageScripts::desktopActionUpdate(newUUID(), false, std::nullopt,
                                                         "Invalid desktop action request.")) {
        page_.runScript(*script);
      }
      return;
    }
    handlers_.desktopAction(body);
  } else if (message.name == "velmoraConversationState") {
    if (allowsConversationStateBridge(message.isMainFrame) && body.is_object()) {
      handlers_.conversationState(body);
    }
  }
}

}  // namespace ondi
