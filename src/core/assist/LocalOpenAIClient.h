#pragma once

#include <nlohmann/json.hpp>

#include <functional>
#include <optional>
#include <string>

#include "core/assist/LocalOpenAIError.h"
#include "core/assist/OpenAIResponsesClient.h"
#include "core/published/Published.h"
#include "core/util/Lifetime.h"

namespace ondi {

struct AccountState;
class Environment;
class OpenAIKeychain;
class SettingsStore;
class SurfaceChannel;

// Answers the operator page's direct OpenAI requests ("status", "openSettings" or a chat
// message) with the user's own key, and sends every reply to the page.
class LocalOpenAIClient {
 public:
  static constexpr const char* kFallbackSwitchKey = "Velmora.useOpenAIFallback";
  static constexpr const char* kEnvironmentKeyVariable = "OPENAI_API_KEY";

  struct Dependencies {
    AccountState& account;
    SettingsStore& settings;
    const Environment& environment;
    HttpTransport& transport;
    OpenAIKeychain& keychain;
    // Where the replies go.
    SurfaceChannel& page;
  };

  explicit LocalOpenAIClient(Dependencies dependencies);

  // Set to a fresh id each time the page asks to show Settings.
  Published<std::string> settingsRequestID;

  // A request body from the page; a body that is not an object is refused with an error reply.
  void handleLocalOpenAIRequest(const nlohmann::json& body);
  void publishOpenAIStatus(const std::string& id);

  // The direct-answer switch; on until someone turns it off.
  bool isLocalOpenAIFallbackEnabled() const;
  // The signed-in user's saved key, else the environment's; completes later, on the main loop.
  void configuredOpenAIAPIKey(bool allowUserInteraction,
                              std::function<void(std::optional<std::string>)> completion);
  std::optional<std::string> configuredOpenAIEnvironmentKey() const;

 private:
  void requestAnswer(const std::string& id, const OpenAIPrompt& prompt);
  void ask(const std::string& id, const OpenAIPrompt& prompt, const std::string& key);
  void publishFailure(const std::string& id, const std::string& kind, const std::string& error);
  void publish(const nlohmann::json& reply);

  Dependencies deps_;
  OpenAIResponsesClient responses_;
  Lifetime lifetime_;
};

}  // namespace ondi
