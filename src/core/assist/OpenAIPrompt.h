#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

namespace ondi {

inline constexpr const char* kOpenAIModel = "gpt-5.6-sol";

struct ConversationTurn {
  std::string role;  // "user" or "assistant"
  std::string content;

  bool operator==(const ConversationTurn&) const = default;
};

// What one direct request asks of OpenAI.
struct OpenAIPrompt {
  std::string message;
  std::string subagent;
  std::optional<std::string> policy;
  std::vector<ConversationTurn> history;
  std::string model = kOpenAIModel;
};

// The page's earlier turns: the last 10 entries of an array of objects (anything else gives
// none), roles other than "user" sent as "assistant", content trimmed and cut to 4000
// characters, blank entries dropped.
std::vector<ConversationTurn> localConversationHistory(const nlohmann::json& value);

// The dedicated workspace policy of a pack workspace context; none without a scope.
std::optional<std::string> localWorkspaceInstruction(const nlohmann::json& context);

// Who Ondi is, the role it plays for `subagent`, how it behaves and the workspace policy.
std::string openAIInstructions(const std::string& subagent,
                               const std::optional<std::string>& policy);

// The Responses API body: model, reasoning, instructions and input, in that order.
nlohmann::ordered_json openAIRequestBody(const OpenAIPrompt& prompt);

}  // namespace ondi
