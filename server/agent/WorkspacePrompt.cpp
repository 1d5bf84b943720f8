#include "agent/WorkspacePrompt.h"

#include "accounts/TextInput.h"

namespace ondi::server {
namespace {

constexpr std::string_view kContextStart = "[[VELMORA_WORKSPACE_CONTEXT]]";
constexpr std::string_view kContextEnd = "[[END_VELMORA_WORKSPACE_CONTEXT]]";
constexpr std::string_view kRequestLabel = "User request:";
constexpr std::string_view kAgentLabel = "Currently selected agent:";

std::optional<std::string> selectedAgent(std::string_view context) {
  while (!context.empty()) {
    const std::size_t end = context.find('\n');
    const std::string line = trimmed(context.substr(0, end));
    if (line.starts_with(kAgentLabel)) {
      std::string agent = trimmed(std::string_view(line).substr(kAgentLabel.size()));
      if (agent.ends_with('.')) agent.pop_back();
      if (agent.empty()) return std::nullopt;
      return agent;
    }
    if (end == std::string_view::npos) break;
    context.remove_prefix(end + 1);
  }
  return std::nullopt;
}

}  // namespace

WorkspacePrompt readWorkspacePrompt(std::string_view message) {
  const std::string text = trimmed(message);
  const std::size_t end = text.find(kContextEnd);
  if (!text.starts_with(kContextStart) || end == std::string::npos) {
    return {.request = text, .wrapped = false, .selectedAgent = std::nullopt};
  }
  const std::string_view context =
      std::string_view(text).substr(kContextStart.size(), end - kContextStart.size());
  std::string request = trimmed(std::string_view(text).substr(end + kContextEnd.size()));
  if (request.starts_with(kRequestLabel)) request = trimmed(request.substr(kRequestLabel.size()));
  return {.request = request, .wrapped = true, .selectedAgent = selectedAgent(context)};
}

}  // namespace ondi::server
