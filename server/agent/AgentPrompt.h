#pragma once

#include <expected>
#include <string>

#include <nlohmann/json.hpp>

namespace ondi::server {

// A prompt sent to the agent: {"message", "threadId", "modelMode", "workspaceContext", ...}.
struct AgentPrompt {
  // As sent, workspace wrapper included.
  std::string message;
  std::string threadId;
  // "auto", "openai", "anthropic" or "cursor".
  std::string modelMode;
  // Whether "workspaceContext" carried an object.
  bool hasWorkspaceContext = false;
};

// Checks the body in full. A missing thread id is the page's first thread, "default"; a missing
// model mode is "auto". The error is a finished sentence for the person who typed the prompt.
std::expected<AgentPrompt, std::string> readAgentPrompt(const nlohmann::json& body);

}  // namespace ondi::server
