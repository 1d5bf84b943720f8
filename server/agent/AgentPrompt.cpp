#include "agent/AgentPrompt.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "accounts/TextInput.h"
#include "agent/ThreadId.h"
#include "agent/WorkspacePrompt.h"
#include "http/JsonBody.h"

namespace ondi::server {
namespace {

constexpr std::size_t kMaxMessageCharacters = 8000;
constexpr std::array<std::string_view, 4> kModelModes{"auto", "openai", "anthropic", "cursor"};

bool isAbsent(const nlohmann::json& body, std::string_view key) {
  const auto member = body.find(key);
  return member == body.end() || member->is_null();
}

}  // namespace

std::expected<AgentPrompt, std::string> readAgentPrompt(const nlohmann::json& body) {
  const auto message = stringMember(body, "message");
  if (!message || readWorkspacePrompt(*message).request.empty()) {
    return std::unexpected("Type a message before sending.");
  }
  if (characterCount(*message) > kMaxMessageCharacters) {
    return std::unexpected("The message is longer than 8000 characters.");
  }

  const auto threadId = isAbsent(body, "threadId") ? std::optional(std::string(kDefaultThreadId))
                                                   : stringMember(body, "threadId");
  if (!threadId || !isThreadId(*threadId)) {
    return std::unexpected(std::string(kThreadIdRule));
  }

  const auto modelMode = isAbsent(body, "modelMode") ? std::optional<std::string>("auto")
                                                     : stringMember(body, "modelMode");
  if (!modelMode || std::ranges::find(kModelModes, *modelMode) == kModelModes.end()) {
    return std::unexpected("The model mode must be auto, openai, anthropic or cursor.");
  }

  const bool hasContext = !isAbsent(body, "workspaceContext");
  if (hasContext && !body.at("workspaceContext").is_object()) {
    return std::unexpected("The workspace context must be an object or null.");
  }
  return AgentPrompt{.message = *message,
                     .threadId = *threadId,
                     .modelMode = *modelMode,
                     .hasWorkspaceContext = hasContext};
}

}  // namespace ondi::server
