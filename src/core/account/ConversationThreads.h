#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

namespace ondi {

struct DesktopConversationThread {
  std::string id;
  std::string title;
  std::string preview;
  std::string updatedAt;
  long long messageCount = 0;

  bool operator==(const DesktopConversationThread&) const = default;
};

// What the account's conversation history can do.
struct ConversationHistoryStatus {
  bool enabled = false;
  bool accountScoped = false;
  bool resumable = false;
  std::string provider;

  std::string providerLabel() const;
  bool operator==(const ConversationHistoryStatus&) const = default;
};
void from_json(const nlohmann::json& json, ConversationHistoryStatus& status);

// A thread id: trimmed, 1 to 96 characters of letters, digits, "_" and "-".
std::optional<std::string> normalizedConversationThreadID(const std::string& text);

// The threads of a page snapshot: at most 500, malformed entries skipped.
std::vector<DesktopConversationThread> desktopConversationThreads(const nlohmann::json& value);

// Whether a conversation is under way in thread `id`: it is listed with at least one message.
bool isConversationUnderWay(const std::vector<DesktopConversationThread>& threads,
                            const std::string& id);

}  // namespace ondi
