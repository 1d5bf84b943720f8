#pragma once

#include <cstdint>
#include <string>

namespace ondi::server {

// What the agent chat keeps per account. Times are whole seconds since the Unix epoch.

struct ChatThread {
  std::string id;
  std::string title;
  std::int64_t createdAt = 0;
  std::int64_t updatedAt = 0;
  int messageCount = 0;
  // The content of the thread's newest message; empty while it has none.
  std::string lastMessage;
};

struct ChatMessage {
  std::string id;
  // "user" or "assistant".
  std::string role;
  std::string content;
  std::int64_t createdAt = 0;
  std::string threadId;
};

struct AgentEvent {
  std::string id;
  std::string type;
  std::string title;
  std::string detail;
  std::string status;
  std::int64_t createdAt = 0;
};

}  // namespace ondi::server
