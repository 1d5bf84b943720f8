#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ondi::server {

// A prompt as the chat page sends it. In a pack workspace the page wraps what the user typed, one
// part per line: "[[VELMORA_WORKSPACE_CONTEXT]]", the context (among it "Currently selected agent:
// NAME."), "[[END_VELMORA_WORKSPACE_CONTEXT]]", "User request:", then the request.
struct WorkspacePrompt {
  // What the user typed, trimmed: the request inside a wrapper, else the whole message.
  std::string request;
  bool wrapped = false;
  // The agent the wrapper names, if it names one.
  std::optional<std::string> selectedAgent;
};

// A message without a complete wrapper at its start is read as typed.
WorkspacePrompt readWorkspacePrompt(std::string_view message);

}  // namespace ondi::server
