#include "core/assist/LocalOpenAIClient.h"

#include "core/account/AccountState.h"
#include "core/assist/OpenAIKeychain.h"
#include "core/ports/Environment.h"
#include "core/ports/SettingsStore.h"
#include "core/script/SurfaceChannel.h"
#include "core/surface/PageScripts.h"
#include "core/util/Text.h"
#include "core/util/Uuid.h"

namespace ondi {
namespace {

const nlohmann::json* stringField(const nlohmann::json& body, const char* key) {
  const auto found = body.find(key);
  return found != body.end() && found->is_string() ? &*found : nullptr;
}

std::string stringOr(const nlohmann::json& body, const char* key, std::string fallback) {
  const auto* value = stringField(body, key);
  return value ? value->get<std::string>() : std::move(fallback);
}

const nlohmann::json& fieldOrNull(const nlohmann::json& body, const char* key) {
  static const nlohmann::json null;
  const auto found = body.find(key);
  return found != body.end() ? *found : null;
}

std::optional<std::string> nonEmptyTrimmed(const std::optional<std::string>& text) {
  if (!text) return std::nullopt;
  std::string trimmed = trimmedWhitespace(*text);
  if (trimmed.empty()) return std::nullopt;
  return trimmed;
}

}  // namespace

LocalOpenAIClient::LocalOpenAIClient(Dependencies dependencies)
    : settingsRequestID(newUUID()),
      deps_(std::move(dependencies)),
      responses_(deps_.environment, deps_.transport) {}

void LocalOpenAIClient::handleLocalOpenAIRequest(const nlohmann::json& body) {
  if (!body.is_object()) {
    publishFailure(newUUID(), "error", "Invalid local OpenAI request.");
    return;
  }
  const std::string id = stringOr(body, "id", newUUID());
  const std::string action = stringOr(body, "action", "message");
  if (action == "status") {
    publishOpenAIStatus(id);
    return;
  }
  if (action == "openSettings") {
    settingsRequestID.set(newUUID());
    publishOpenAIStatus(id);
    return;
  }

  OpenAIPrompt prompt;
  prompt.message = trimmedWhitespace(stringOr(body, "message", ""));
  const char* subagentKey = stringField(body, "agentMode") ? "agentMode" : "modelMode";
  prompt.subagent = trimmedWhitespace(stringOr(body, subagentKey, ""));
  prompt.policy = localWorkspaceInstruction(fieldOrNull(body, "workspaceContext"));
  prompt.history = localConversationHistory(fieldOrNull(body, "history"));
  if (prompt.message.empty()) {
    publishFailure(id, "message", "Type a message before sending.");
  } else if (!isLocalOpenAIFallbackEnabled()) {
    publishFailure(id, "message", "Direct OpenAI fallback is off. Enable it in Ondi Settings.");
  } else {
    requestAnswer(id, prompt);
  }
}

// Reading the key may wait for the keyring's unlock prompt; the main loop goes on meanwhile.
void LocalOpenAIClient::requestAnswer(const std::string& id, const OpenAIPrompt& prompt) {
  configuredOpenAIAPIKey(
      true, whileAlive(lifetime_, [this, id, prompt](std::optional<std::string> key) {
        if (!key) {
          publishFailure(id, "message", LocalOpenAIError::missingAPIKey().description());
          return;
        }
        ask(id, prompt, *key);
      }));
}

void LocalOpenAIClient::ask(const std::string& id, const OpenAIPrompt& prompt,
                            const std::string& key) {
  responses_.send(
      prompt, key,
      whileAlive(lifetime_, [this, id](std::expected<std::string, LocalOpenAIError> answer) {
        if (!answer) {
          publishFailure(id, "message", answer.error().description());
          return;
        }
        publish({{"id", id},
                 {"ok", true},
                 {"kind", "message"},
                 {"text", *answer},
                 {"model", kOpenAIModel}});
      }));
}

void LocalOpenAIClient::publishOpenAIStatus(const std::string& id) {
  publish({{"id", id},
           {"ok", true},
           {"kind", "status"},
           {"enabled", isLocalOpenAIFallbackEnabled()},
           {"hasAPIKey", deps_.keychain.hasSavedAPIKeyHint(deps_.account.signedInUserID())},
           {"model", kOpenAIModel}});
}

bool LocalOpenAIClient::isLocalOpenAIFallbackEnabled() const {
  return deps_.settings.boolValue(kFallbackSwitchKey, true);
}

void LocalOpenAIClient::configuredOpenAIAPIKey(
    bool allowUserInteraction, std::function<void(std::optional<std::string>)> completion) {
  deps_.keychain.readAPIKey(deps_.account.signedInUserID(), allowUserInteraction,
                            whileAlive(lifetime_, [this, completion = std::move(completion)](
                                                      std::optional<std::string> saved) {
                              if (auto key = nonEmptyTrimmed(saved))
                                return completion(std::move(key));
                              completion(configuredOpenAIEnvironmentKey());
                            }));
}

std::optional<std::string> LocalOpenAIClient::configuredOpenAIEnvironmentKey() const {
  return nonEmptyTrimmed(deps_.environment.value(kEnvironmentKeyVariable));
}

void LocalOpenAIClient::publishFailure(const std::string& id, const std::string& kind,
                                       const std::string& error) {
  publish({{"id", id}, {"ok", false}, {"kind", kind}, {"error", error}});
}

void LocalOpenAIClient::publish(const nlohmann::json& reply) {
  if (auto script = PageScripts::openAIUpdate(reply)) deps_.page.runScript(*script);
}

}  // namespace ondi
